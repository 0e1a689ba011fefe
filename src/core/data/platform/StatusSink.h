#pragma once

#include <QString>

// What the table holders tell the main window while they open tables: the
// text of its second status panel and the busy cursor.
class StatusSink
{
public:
    virtual ~StatusSink();
    virtual void setStatusText(const QString &text) = 0;
    virtual void setBusy(bool busy) = 0;

    // A sink that shows nothing, for holders used without a main window.
    static StatusSink &none();
};
