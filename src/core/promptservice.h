#pragma once

#include <QString>

// Every question and message the clock puts to the user goes through this,
// so that tests can answer them and fail on any they did not expect.
class PromptService
{
public:
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Icon { None, Information, Warning, Error, Question };
    enum class Answer { Ok, Cancel, Yes, No };

    // An open or save choice. The filter keeps the classic form
    // "WAVE Audio Files (*.WAV)|*.WAV| All Files(*.*)|*.*|"; the first entry is the default.
    struct FileChoice
    {
        QString defaultExtension; // added when the typed name has none, e.g. "WAV"
        QString initialName;      // e.g. "*.WAV"
        QString filter;
    };

    virtual ~PromptService() = default;

    virtual Answer messageBox(const QString &text, const QString &caption, Buttons buttons,
                              Icon icon) = 0;
    // The chosen full path, or empty when the user cancelled.
    virtual QString openFile(const FileChoice &choice) = 0;
    virtual QString saveFile(const FileChoice &choice) = 0;
};
