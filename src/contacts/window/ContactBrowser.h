#pragma once

#include "contacts/book/ContactSearch.h"
#include "core/data/engine/ErrorGuard.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <functional>
#include <memory>

class Navigator;
class Prompter;
class QAbstractButton;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QRadioButton;
class Table;
class TableModel;
class QWidget;

// What the three list windows of the contacts share: the list of one field
// of every entry the search lets through (choosing a name makes it the
// current entry), the fields of the current entry shown beside it, a
// navigator, and the search group (a switch, a text, a button and the
// radio buttons that choose the field). Table errors are told.
class ContactBrowser : public QObject
{
    Q_OBJECT
public:
    ContactBrowser(Table &table, const QString &listField, Prompter &prompter, QWidget *window);
    ~ContactBrowser() override;

    QListView *list() const { return m_list; }
    Navigator *navigator() const { return m_navigator; }
    ContactSearch &search() { return m_search; }

    // `label` shows `field` of the current entry.
    void show(QLabel *label, const QString &field);
    void show(QPlainTextEdit *box, const QString &field);

    // The search group. The switch turns the search on and off and, while
    // off, disables `disabledWhileOff`; `find` searches the field of the
    // checked radio button for the text.
    struct SearchControls
    {
        QAbstractButton *onOff = nullptr;
        QLineEdit *text = nullptr;
        QAbstractButton *find = nullptr;
        QList<QPair<QRadioButton *, QString>> fields;
        QList<QWidget *> disabledWhileOff;
    };
    void setSearchControls(const SearchControls &controls);

    // Runs table work and tells its errors; false when it failed.
    bool guarded(const std::function<void()> &work) const { return m_guarded(work); }

    // The fields shown again from the current entry.
    void refresh();
    // As the window goes: a pending edit is written (an untouched new entry
    // dropped) and the table closed.
    void closeTable();

signals:
    // Another entry is current, or the current one changed.
    void currentChanged();

private:
    void find();
    void followTable();

    Table &m_table;
    ErrorGuard m_guarded;
    ContactSearch m_search;
    TableModel *m_model = nullptr;
    QListView *m_list = nullptr;
    Navigator *m_navigator = nullptr;
    QList<QPair<QLabel *, QString>> m_labels;
    QList<QPair<QPlainTextEdit *, QString>> m_boxes;
    SearchControls m_controls;
};
