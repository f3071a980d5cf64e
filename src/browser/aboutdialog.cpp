#include "browser/aboutdialog.h"

#include "browser/linkopener.h"
#include "browser/productlinks.h"
#include "ui_aboutdialog.h"

#include <QMouseEvent>

AboutDialog::AboutDialog(LinkOpener &links, QWidget *parent)
    : QDialog(parent)
    , m_links(links)
    , m_ui(std::make_unique<Ui::AboutDialogForm>())
{
    m_ui->setupUi(this);
    m_ui->iconLabel->setPixmap(QPixmap(":/icons/chimewise-48.png"));
    m_ui->versionLabel->setText(tr("Chimewise, Version ") + CHIMEWISE_VERSION);
    m_ui->creditLabel->setText(tr("Designed and developed by the Chimewise team; write to us at ")
                               + ProductLinks::kEmailAddress + ".");
    const QString home = m_links.homePage();
    m_ui->homePageLink->setText(tr("Visit the Chimewise home page for news and help: ") + home);
    m_ui->homePageButton->setText(home);
    m_ui->homePageLink->installEventFilter(this);

    connect(m_ui->homePageButton, &QPushButton::clicked, this, &AboutDialog::openHomePage);
    connect(m_ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::openHomePage()
{
    m_links.openLink(m_links.homePage());
}

// A left button released over the link text opens it.
bool AboutDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->homePageLink && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_ui->homePageLink->rect().contains(mouse->position().toPoint()))
            openHomePage();
    }
    return QDialog::eventFilter(watched, event);
}
