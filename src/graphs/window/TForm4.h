#pragma once

#include "core/app/context/AppContext.h"
#include "core/data/engine/ErrorGuard.h"

#include "graphs/points/ChartZoom.h"
#include "graphs/points/GraphBuilder.h"
#include "graphs/points/GraphPointModel.h"

#include "core/data/engine/Table.h"

#include <QDialog>
#include <QPointer>
#include <functional>

class AppContext;
class Clock;
class GraphChart;
class GraphView;
class Prompter;
class QAction;
class QMenu;
class QPushButton;
class QToolButton;
class QWidget;
class TFrmSpec;


// The graph window: draws a month or item ledger, or the whole year, as a
// line, column, 3D column or pie chart. It never edits a ledger: the points
// go to the point table "NGraf.db" and the chart shows them. The chart is
// built when the window is activated and the registry value FrmGraf says it
// is not built yet; closing gives the ledger holder back to whoever had it.
class TForm4 : public QDialog
{
    Q_OBJECT
public:
    enum class Entry {
        Close, BackToGraph, Export, Copy, Print, StandardSize, FullScreen, Monochrome, HidePanel, Special, Balance,
    };

    // `order`: the kind and name the opener handed over; the window keeps
    // its own copy.
    TForm4(AppContext &context, GraphOrder order, QWidget *parent = nullptr);
    ~TForm4() override;

    // GraphKind: the special functions set it and read it back; the window
    // empties it when it closes.
    void Graf(const QString &kind) { m_order.kind = kind; }
    QString GetTyp() const { return m_order.kind; }

    // What the window does whenever it becomes the active window.
    void FormActivate();
    bool built() const;

    void zoomIn();
    void zoomOut();
    void zoomToStandard();
    void setFullScreen(bool on);
    void setMonochrome(bool on);
    void setPanelHidden(bool on);
    // "Exportovat do BMP": asks for the file and saves the chart at its
    // current size; false when cancelled or not written.
    bool exportBmp();
    void copyToClipboard();
    void printChart();
    void showBalance();
    void openSpecialFunctions();
    // The special functions wrote new points: the chart shows them.
    void pointsChanged();

    // The chart as it is on screen.
    QImage chartImage() const;

    GraphChart *chart() const { return m_chart; }
    GraphView *view() const { return m_view; }
    const GraphPointModel &model() const { return m_model; }
    Table &points() { return m_points; }
    Table &ledger();
    int zoomPercent() const { return m_zoom.percent(); }
    QAction *entry(Entry which) const { return m_entries[int(which)]; }
    QMenu *popup() const { return m_popup; }
    QWidget *toolPanel() const { return m_panel; }
    QToolButton *zoomButton(int index) const { return m_zoomButtons[index]; }
    QPushButton *closeButton() const { return m_close; }
    QString bmpName() const { return m_built.look.bmpName; }
    TFrmSpec *specialFunctions() const;

    void done(int result) override;

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildPanel();
    void buildPopup();
    void build();
    void showPoints();
    void afterZoom();
    void closeSequence();
    void refreshTicks();

    AppContext &m_context;
    GraphOrder m_order;
    Prompter &m_prompter;
    ErrorGuard m_guarded; // tells the engine errors of the window's commands
    const Clock &m_clock;
    Table m_points;
    GraphPointModel m_model;
    GraphBuilder::Built m_built;
    ChartZoom m_zoom;
    bool m_fullScreen = false;
    bool m_closed = false;

    GraphChart *m_chart = nullptr;
    GraphView *m_view = nullptr;
    QWidget *m_panel = nullptr;
    QToolButton *m_zoomButtons[3] = {};
    QToolButton *m_fullScreenButton = nullptr;
    QToolButton *m_monochromeButton = nullptr;
    QPushButton *m_close = nullptr;
    QToolButton *m_menuButton = nullptr;
    QMenu *m_popup = nullptr;
    QAction *m_entries[int(Entry::Balance) + 1] = {};
    QAction *m_specialSeparator = nullptr;
    QPointer<TFrmSpec> m_special;
};
