#pragma once

#include <QDialog>
#include <QSize>
#include <QString>

#include <memory>

class QComboBox;
class QWebEngineView;
namespace Ui { class BrowserDialogForm; }

// "Norvik", the clock's small web browser: the address field with the
// history of every distinct address reached, Open, Back, Next, Stop, Home,
// Refresh and Close, the page, and a status line at the bottom. The page
// grows with the dialog, keeping the margins of the form.
class BrowserDialog : public QDialog
{
    Q_OBJECT

public:
    BrowserDialog(const QString &address, const QString &home, QWidget *parent = nullptr);
    ~BrowserDialog() override;

    // Opens what the address field holds: a URL or a local path.
    void openAddress();
    // Opens address (a URL or a local path) in this window.
    void navigate(const QString &address);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void connectPage();
    void onUrlChanged();
    void showCaption();
    void showStatus(const QString &text);
    void readControls();
    void writeControls();

    std::unique_ptr<Ui::BrowserDialogForm> m_ui;
    QWebEngineView *m_view;
    QSize m_margins; // the dialog's size minus the page's, as the form lays them out
    QString m_home;
    QString m_status;

    QString m_address; // exchanged with the address field
};

// Adds address to a sorted history once, matching whole entries without
// regard to case; the entry becomes the current one.
void addToHistory(QComboBox *history, const QString &address);
