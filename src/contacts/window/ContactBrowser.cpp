#include "contacts/window/ContactBrowser.h"

#include "core/data/engine/Table.h"
#include "core/data/platform/Prompter.h"
#include "core/data/engine/TableModel.h"
#include "widgets/Navigator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QRadioButton>

ContactBrowser::ContactBrowser(Table &table, const QString &listField, Prompter &prompter, QWidget *window)
    : QObject(window), m_table(table), m_guarded(prompter), m_search(table)
{
    m_model = new TableModel(table, {listField}, this);
    m_model->setErrorReporter([&prompter](const QString &message) { prompter.message(message); });
    m_list = new QListView(window);
    m_list->setModel(m_model);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformItemSizes(true); // long lists lay out at once
    m_navigator = new Navigator(window);

    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (current.isValid())
            m_model->setCurrentRow(current.row());
    });
    connect(m_model, &TableModel::currentRowChanged, this, &ContactBrowser::followTable);
    for (auto signal : {&Table::afterScroll, &Table::afterPost, &Table::afterDelete, &Table::controlsReset,
                        &Table::afterInsert})
        connect(&table, signal, this, &ContactBrowser::refresh);
    connect(&table, &Table::fieldChanged, this, &ContactBrowser::refresh);
    m_navigator->walk(table, [this](const std::function<void()> &work) { return m_guarded(work); });
}

ContactBrowser::~ContactBrowser() { m_table.disconnect(this); }

void ContactBrowser::closeTable()
{
    m_table.disconnect(this);
    try {
        m_table.checkBrowseMode();
    } catch (const EngineError &) {
        m_table.cancel(); // the table has said why
    }
    m_table.close();
}

void ContactBrowser::show(QLabel *label, const QString &field)
{
    label->setTextFormat(Qt::PlainText);
    m_labels.append({label, field});
    refresh();
}

void ContactBrowser::show(QPlainTextEdit *box, const QString &field)
{
    box->setReadOnly(true);
    m_boxes.append({box, field});
    refresh();
}

void ContactBrowser::setSearchControls(const SearchControls &controls)
{
    m_controls = controls;
    const auto applySwitch = [this](bool on) {
        for (QWidget *widget : std::as_const(m_controls.disabledWhileOff))
            widget->setEnabled(on);
        m_guarded([&] { m_search.setOn(on); });
    };
    connect(controls.onOff, &QAbstractButton::toggled, this, applySwitch);
    connect(controls.find, &QAbstractButton::clicked, this, &ContactBrowser::find);
    if (controls.text)
        connect(controls.text, &QLineEdit::returnPressed, this, [this] {
            if (m_controls.find->isEnabled())
                find();
        });
    // Each opening starts with the search off.
    controls.onOff->setChecked(false);
    for (QWidget *widget : controls.disabledWhileOff)
        widget->setEnabled(false);
}

void ContactBrowser::find()
{
    QString field;
    for (const auto &[button, name] : std::as_const(m_controls.fields))
        if (button->isChecked())
            field = name;
    if (field.isEmpty() && !m_controls.fields.isEmpty())
        field = m_controls.fields.first().second;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_guarded([&] { m_search.search(field, m_controls.text ? m_controls.text->text() : QString()); });
    QApplication::restoreOverrideCursor();
}

void ContactBrowser::followTable()
{
    const int row = m_table.isOpen() ? m_table.controlCurrentRow() : -1;
    if (row >= 0 && row < m_model->rowCount() && m_list->currentIndex().row() != row)
        m_list->setCurrentIndex(m_model->index(row, 0));
    refresh();
}

void ContactBrowser::refresh()
{
    const bool onEntry = m_table.isOpen() && m_table.controlCurrentRow() >= 0;
    const auto value = [&](const QString &field) {
        return onEntry && m_table.fieldIndex(field) >= 0 ? m_table.field(field).asString() : QString();
    };
    for (const auto &[label, field] : std::as_const(m_labels))
        label->setText(value(field));
    for (const auto &[box, field] : std::as_const(m_boxes))
        box->setPlainText(value(field));
    emit currentChanged();
}
