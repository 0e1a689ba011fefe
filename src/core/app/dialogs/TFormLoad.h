#pragma once

#include <QWidget>

class QProgressBar;

// The loading window shown while the long-lived objects are created: the
// version, "Otevírá se..." and a progress bar advanced once per object.
class TFormLoad : public QWidget
{
    Q_OBJECT
public:
    explicit TFormLoad(const QString &version, int steps);

    // Shown and painted at once, so that it is seen during the start-up.
    void showNow();
    void advance();
    QProgressBar *progressBar() const { return m_progress; }

private:
    QProgressBar *m_progress = nullptr;
};
