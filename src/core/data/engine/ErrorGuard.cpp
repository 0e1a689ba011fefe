#include "core/data/engine/ErrorGuard.h"

#include "core/data/engine/EngineError.h"
#include "core/data/platform/Prompter.h"

bool ErrorGuard::operator()(const std::function<void()> &work) const
{
    try {
        work();
        return true;
    } catch (const EngineError &error) {
        if (m_beforeTelling)
            m_beforeTelling();
        m_prompter.message(error.message());
        return false;
    }
}
