#include "app/qtpromptservice.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::StandardButtons toStandardButtons(PromptService::Buttons buttons)
{
    switch (buttons) {
    case PromptService::Buttons::Ok: return QMessageBox::Ok;
    case PromptService::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptService::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case PromptService::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon toMessageIcon(PromptService::Icon icon)
{
    switch (icon) {
    case PromptService::Icon::None: return QMessageBox::NoIcon;
    case PromptService::Icon::Information: return QMessageBox::Information;
    case PromptService::Icon::Warning: return QMessageBox::Warning;
    case PromptService::Icon::Error: return QMessageBox::Critical;
    case PromptService::Icon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

PromptService::Answer toAnswer(int button)
{
    switch (button) {
    case QMessageBox::Yes: return PromptService::Answer::Yes;
    case QMessageBox::No: return PromptService::Answer::No;
    case QMessageBox::Cancel: return PromptService::Answer::Cancel;
    default: return PromptService::Answer::Ok;
    }
}

} // namespace

PromptService::Answer QtPromptService::messageBox(const QString &text, const QString &caption,
                                                  Buttons buttons, Icon icon)
{
    QMessageBox box(toMessageIcon(icon), caption, text, toStandardButtons(buttons), parentWindow());
    box.setWindowModality(Qt::WindowModal);
    return toAnswer(box.exec());
}

QWidget *QtPromptService::parentWindow() const
{
    QWidget *active = QApplication::activeWindow();
    return active ? active : m_owner;
}

QString QtPromptService::openFile(const FileChoice &choice)
{
    return chooseFile(choice, false);
}

QString QtPromptService::saveFile(const FileChoice &choice)
{
    return chooseFile(choice, true);
}

QString QtPromptService::chooseFile(const FileChoice &choice, bool forSaving)
{
    QFileDialog dialog(parentWindow());
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters(choice.filter));
    dialog.setDefaultSuffix(choice.defaultExtension);
    // A pattern such as "*.WAV" is what the filter already does; only a real name is offered.
    if (!choice.initialName.contains(u'*'))
        dialog.selectFile(choice.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QStringList QtPromptService::nameFilters(const QString &classicFilter)
{
    const QStringList parts = classicFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString name = parts[i].trimmed();
        const QString patterns = parts[i + 1].trimmed().replace(u';', u' ');
        if (name.isEmpty() || patterns.isEmpty())
            continue;
        filters << (name.contains(u'(') ? name : QString("%1 (%2)").arg(name, patterns));
    }
    return filters;
}
