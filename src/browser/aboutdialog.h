#pragma once

#include <QDialog>

#include <memory>

class LinkOpener;
namespace Ui { class AboutDialogForm; }

// "About Chimewise": the version, who made the clock and how to reach them,
// and the home page link, which opens where every link of the clock opens.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(LinkOpener &links, QWidget *parent = nullptr);
    ~AboutDialog() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openHomePage();

    LinkOpener &m_links;
    std::unique_ptr<Ui::AboutDialogForm> m_ui;
};
