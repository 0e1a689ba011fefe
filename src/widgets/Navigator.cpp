#include "widgets/Navigator.h"

#include "core/data/engine/Table.h"
#include "widgets/Hints.h"

#include <QHBoxLayout>
#include <QToolButton>

Navigator::Navigator(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Navigator"));
    struct Look
    {
        const char *name;
        const char *hint;
        const char *glyph; // first and last stand against a bar, as on a tape
    };
    const Look looks[4] = {{"Prvni", "První", "|◀"}, {"Predchozi", "Předchozí", "◀"}, {"Dalsi", "Další", "▶"},
                           {"Posledni", "Poslední", "▶|"}};
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    for (int step = First; step <= Last; ++step) {
        auto *button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(looks[step].name));
        button->setText(QString::fromUtf8(looks[step].glyph));
        button->setMinimumSize(32, 24);
        button->setFocusPolicy(Qt::NoFocus);
        Hints::apply(button, QString::fromUtf8(looks[step].hint));
        connect(button, &QToolButton::clicked, this, [this, step] { emit stepped(Step(step)); });
        row->addWidget(button);
        m_buttons[step] = button;
    }
}

void Navigator::walk(Table &table, Guard guard)
{
    connect(this, &Navigator::stepped, this, [&table, guard](Step step) {
        guard([&] {
            switch (step) {
            case First: table.first(); break;
            case Prior: table.prior(); break;
            case Next: table.next(); break;
            case Last: table.last(); break;
            }
        });
    });
}
