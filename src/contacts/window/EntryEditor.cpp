#include "contacts/window/EntryEditor.h"

#include "contacts/window/RecordEditors.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/Prompter.h"
#include "widgets/DialogFrame.h"
#include "widgets/Navigator.h"

#include <QHBoxLayout>
#include <QPushButton>

EntryEditor::EntryEditor(Table &table, const QString &deleteQuestion, Prompter &prompter, QWidget *parent)
    : EditingDialog(prompter, parent), m_table(table), m_deleteQuestion(deleteQuestion)
{
    m_editors = new RecordEditors(table, prompter, this);
    m_navigator = new Navigator(this);
    m_navigator->walk(table, [this](const std::function<void()> &work) { return guarded(work); });
}

QHBoxLayout *EntryEditor::buttonRow(QPushButton *close)
{
    QPushButton *add = DialogFrame::button(QStringLiteral("Přidat"), QStringLiteral("Pridat"), QString(), this);
    QPushButton *remove = DialogFrame::button(QStringLiteral("Smazat"), QStringLiteral("Smazat"), QString(), this);
    connect(close, &QPushButton::clicked, this, &EditingDialog::writeAndClose);
    connect(add, &QPushButton::clicked, this, &EntryEditor::add);
    connect(remove, &QPushButton::clicked, this, &EntryEditor::remove);
    auto *row = new QHBoxLayout;
    row->addWidget(add);
    row->addWidget(remove);
    row->addStretch();
    row->addWidget(close);
    return row;
}

bool EntryEditor::writePending()
{
    m_table.checkBrowseMode();
    return true;
}

void EntryEditor::add()
{
    guarded([this] {
        if (m_table.isOpen())
            m_table.insert();
    });
    m_editors->refresh();
    firstEdit()->setFocus();
}

void EntryEditor::remove()
{
    if (!m_table.isOpen() || m_table.controlCurrentRow() < 0)
        return;
    if (!prompter().ask(QStringLiteral("Smazat ?"), m_deleteQuestion, Prompter::QuestionMark))
        return;
    guarded([this] { m_table.remove(); });
}
