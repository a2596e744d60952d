#pragma once

#include "maps/MapEditor.h"

#include <QObject>

class QLineEdit;
class QProgressBar;

namespace zantrel {

class ControllerImage;
class CurveTab;
class LanguageStrings;
class LinkGate;
class LivePoll;
class LiveRecord;
class MapGridTab;
class ParameterTransfer;
class Prompter;
class ShellWindow;
class TForm7;
class TForm8;
class TForm9;

// The window side of the maps: "Map1 [F7]" with its grid, "Mapa Inj [F8]" with the
// curve editor (hidden unless the service view is on), the value, point and map kind
// dialogs, and the live cell. It joins the map read to every read of all words, and
// shows the editor's work on the grid, the progress bar and the status field.
class MapsUi final : public QObject, public MapEditorView {
    Q_OBJECT
public:
    struct Parts {
        TForm7& valueDialog;
        TForm8& pointDialog;
        TForm9& kindDialog;
        QProgressBar& progress;
        QLineEdit& status;
        LivePoll& poll;
        const LiveRecord& record;
    };

    MapsUi(ShellWindow& window, LinkGate& gate, ControllerImage& image, ParameterTransfer& transfer,
           Prompter& prompter, const LanguageStrings& texts, const Parts& parts);

    MapEditor& Editor() { return editor_; }
    MapGridTab& GridTab() { return *grid_; }
    CurveTab& Curve() { return *curve_; }

    // The service view shows what this edition hides: the menu item "Mapa Inj" (F8)
    // and the button "Korekty zaawansowane" that lead to the curve editor.
    void ShowServiceView(bool shown);
    // The band of the curve editor, while its tab is shown (the live view's MapBandStep).
    void ShowLiveBand();

    void SetProgressMaximum(int maximum) override;
    void SetProgressPosition(int position) override;
    void ShowStatus(const QString& text) override;
    void ShowNote(const QString& text) override;
    void ShowCell(int row, int column) override;
    void ShowPoints() override;
    void ShowCurve() override;
    void EditEnded() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectGrid();
    void connectCurve();
    void showEverything();
    void placeLiveCell();
    void setValue();
    void gradient();
    void editPoints();
    void paste();
    void setCurveValue(int first, int last);
    void openMapOfKind();
    void openCurveTab();

    ShellWindow& window_;
    ControllerImage& image_;
    Parts parts_;
    MapGridTab* grid_ = nullptr;
    CurveTab* curve_ = nullptr;
    // The curve editor's page, only ever compared with: its events go on while the
    // window goes away.
    QObject* curvePage_ = nullptr;
    MapEditor editor_;
};

} // namespace zantrel
