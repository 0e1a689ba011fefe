#pragma once

#include <QStatusBar>
#include <array>

class QLabel;

// The record window's status bar `StatusBar1`, six panels: 0 the caption,
// 1 hints and operation texts, 2 the hidden count, 3 "123" while Num Lock
// is on, 4 "ABC" while Caps Lock is on, 5 today's date.
class RecordStatusBar : public QStatusBar
{
    Q_OBJECT
public:
    enum Panel { Caption = 0, Hint = 1, Hidden = 2, NumLock = 3, CapsLock = 4, Today = 5 };
    static constexpr std::array<int, 6> DesignWidths{200, 290, 65, 35, 35, 55};
    static constexpr int MinimumHintWidth = 40;
    static inline const QString InitialHint = QStringLiteral("Operace s databází");

    explicit RecordStatusBar(QWidget *parent = nullptr);

    void setText(Panel panel, const QString &text);
    QString text(Panel panel) const;
    void setHintWidth(int width);
    void setLocks(bool numLock, bool capsLock);

private:
    std::array<QLabel *, 6> m_panels{};
};
