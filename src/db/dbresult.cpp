#include "db/dbresult.h"

#include "core/promptservice.h"

DbStatus DbStatus::failure(const QString &errorText)
{
    DbStatus status;
    status.m_failed = true;
    status.m_errorText = errorText;
    return status;
}

bool reportDbError(const DbStatus &status, PromptService &prompts)
{
    if (status.ok())
        return true;
    prompts.messageBox(status.errorText(), "Chimewise", PromptService::Buttons::Ok,
                       PromptService::Icon::Error);
    return false;
}
