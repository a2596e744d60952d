#pragma once

#include "layout/ScreenLayouts.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QStringList>

#include <optional>

class QTabWidget;
class QWidget;

namespace zantrel {

class TabCaptionStyle;

// The screen layout of the main window and its dialogs, applied from this one place: the
// window's size, the size of every text, the instruments, the traces, the map grid, the
// margins of the tab pages, the tab captions (wrapped onto more lines where the tabs would
// not fit the width on one) and the columns of the parameter tabs.
class ScreenLayout final : public QObject {
    Q_OBJECT
public:
    // Taken at the window's creation, once its tabs exist: the window (its dialogs are its
    // child windows, found when a layout is applied, as are controls built later), its
    // page control, and the reference size: the oscilloscope tab's design size.
    ScreenLayout(QWidget& window, QTabWidget& pages, QSize referenceSize);

    // Sizes the window to the layout's screen and everything in it for that screen.
    void Apply(Resolution resolution);
    // The chosen layout again, for what has been built or shown since (a tab shown by its
    // menu item); nothing before a layout has been chosen.
    void Reapply();
    // After a language change: the captions' new widths. The groups of the parameter and
    // advanced tabs take the columns that fit the window's width, and the tab captions wrap
    // afresh.
    void RearrangeAdvancedTab();

    std::optional<Resolution> Current() const { return current_; }
    QSize ReferenceSize() const { return reference_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The captions of the tabs shown, in order.
    QStringList shownCaptions() const;
    void applyFonts(const ScreenLayoutSpec& spec);
    void applySizes(const ScreenLayoutSpec& spec);
    void wrapTabCaptions(const ScreenLayoutSpec& spec);
    void arrangeColumns(QWidget& page, const ScreenLayoutSpec& spec);
    void fitWindow(QSize size);

    QWidget& window_;
    QTabWidget& pages_;
    QSize reference_;
    TabCaptionStyle* tabStyle_;
    QPointer<QWidget> advanced_; // the advanced tab's page
    std::optional<Resolution> current_;
    QStringList wrappedCaptions_; // the captions the tab wrap was found for
};

} // namespace zantrel
