#include "browser/browserdialog.h"

#include "ui_browserdialog.h"

#include <QAbstractItemView>
#include <QDir>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QShortcut>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

const char kCaptionEnd[] = " -- Norvik ";
const int kStatusHeight = 18; // the strip at the bottom where the status and icon are drawn
const QSize kIconSize(16, 16);

// An action of the page (Back, Forward) decides whether its button can be used.
void follow(QAction *action, QPushButton *button)
{
    button->setEnabled(action->isEnabled());
    QObject::connect(action, &QAction::changed, button,
                     [action, button] { button->setEnabled(action->isEnabled()); });
}

} // namespace

void addToHistory(QComboBox *history, const QString &address)
{
    int index = history->findText(address, Qt::MatchFixedString); // whole text, any case
    if (index < 0) {
        index = 0;
        while (index < history->count()
               && history->itemText(index).compare(address, Qt::CaseInsensitive) < 0)
            ++index;
        history->insertItem(index, address);
    }
    history->setCurrentIndex(index);
}

BrowserDialog::BrowserDialog(const QString &address, const QString &home, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
    , m_ui(std::make_unique<Ui::BrowserDialogForm>())
    , m_home(home)
{
    m_ui->setupUi(this);
    m_view = m_ui->pageView;
    m_margins = size() - m_view->size();
    setMinimumSize(m_ui->closeButton->geometry().right() + m_view->x(), m_margins.height() + 100);
    setWindowIcon(QIcon(":/icons/chimewise-16.png"));
    m_ui->addressCombo->setCompleter(nullptr); // what the user types is what opens
    m_ui->addressCombo->view()->installEventFilter(this);

    connect(m_ui->openButton, &QPushButton::clicked, this, &BrowserDialog::openAddress);
    connect(m_ui->backButton, &QPushButton::clicked, m_view, &QWebEngineView::back);
    connect(m_ui->nextButton, &QPushButton::clicked, m_view, &QWebEngineView::forward);
    connect(m_ui->stopButton, &QPushButton::clicked, m_view, &QWebEngineView::stop);
    connect(m_ui->homeButton, &QPushButton::clicked, this, [this] { navigate(m_home); });
    connect(m_ui->refreshButton, &QPushButton::clicked, m_view, &QWebEngineView::reload);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QDialog::accept);
    // The page keeps the keys it is given: Escape closes the dialog from there too.
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QDialog::reject);
    connectPage();

    navigate(address);
}

BrowserDialog::~BrowserDialog() = default;

// The list's Escape is the list's: the dialog's shortcut would otherwise
// take it and close the whole browser with it.
bool BrowserDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
        event->accept();
    return QDialog::eventFilter(watched, event);
}

void BrowserDialog::connectPage()
{
    follow(m_view->pageAction(QWebEnginePage::Back), m_ui->backButton);
    follow(m_view->pageAction(QWebEnginePage::Forward), m_ui->nextButton);
    connect(m_view, &QWebEngineView::urlChanged, this, &BrowserDialog::onUrlChanged);
    connect(m_view, &QWebEngineView::loadStarted, this, [this] { showStatus(tr("Opening page...")); });
    connect(m_view, &QWebEngineView::loadFinished, this, [this](bool ok) {
        showCaption();
        showStatus(ok ? tr("Done") : tr("The page could not be opened."));
    });
    connect(m_view->page(), &QWebEnginePage::linkHovered, this, &BrowserDialog::showStatus);
}

void BrowserDialog::openAddress()
{
    readControls();
    navigate(m_address);
}

void BrowserDialog::navigate(const QString &address)
{
    m_view->load(QUrl::fromUserInput(address, QDir::currentPath()));
}

void BrowserDialog::onUrlChanged()
{
    m_address = m_view->url().toString();
    addToHistory(m_ui->addressCombo, m_address);
    writeControls(); // an entry differing in case keeps the page's spelling
}

void BrowserDialog::showCaption()
{
    setWindowTitle(m_view->title() + kCaptionEnd);
}

void BrowserDialog::showStatus(const QString &text)
{
    m_status = text;
    update(0, height() - kStatusHeight, width(), kStatusHeight);
}

void BrowserDialog::readControls()
{
    m_address = m_ui->addressCombo->currentText();
}

void BrowserDialog::writeControls()
{
    m_ui->addressCombo->setEditText(m_address);
}

void BrowserDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    m_view->resize((event->size() - m_margins).expandedTo(QSize(0, 0)));
}

// The status text at the bottom left, the small icon at the bottom right.
void BrowserDialog::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    const QRect strip(m_margins.width() / 2, height() - kStatusHeight,
                      width() - m_margins.width() / 2 - kIconSize.width(), kStatusHeight);
    painter.drawText(strip, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(m_status, Qt::ElideMiddle, strip.width()));
    const QPoint corner(width() - kIconSize.width(), height() - kIconSize.height() - 1);
    windowIcon().paint(&painter, QRect(corner, kIconSize));
}
