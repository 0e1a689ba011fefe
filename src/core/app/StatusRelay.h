#pragma once

#include "core/data/platform/StatusSink.h"

// The status bar and busy cursor the table holders report to. The holders
// are made before the main window (and outlive it), so they report here
// and the relay passes it on to the main window while there is one.
class StatusRelay final : public StatusSink
{
public:
    void setTarget(StatusSink *target) { m_target = target; }
    void setStatusText(const QString &text) override;
    void setBusy(bool busy) override;

private:
    StatusSink *m_target = nullptr;
};
