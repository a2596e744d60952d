#pragma once

#include <QImage>
#include <QWidget>

#include <vector>

namespace zantrel {

struct TraceScene;

// The drawing surface of one trace panel. A drawing is made off-screen in full and then
// shown in one step, so the panel never flickers; the last one stays until the next. The
// grid, the same for every drawing of a size, is kept and copied under each.
class TracePaintBox final : public QWidget {
    Q_OBJECT
public:
    explicit TracePaintBox(QWidget* parent = nullptr);

    void Draw(const TraceScene& scene);
    // The last drawing, as shown.
    const QImage& Picture() const { return picture_; }

signals:
    // The panel has come into view or changed its size: its drawing is out of date.
    void NeedsDrawing();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void drawGrid(const TraceScene& scene);

    QImage picture_;
    QImage grid_;
    std::vector<int> gridX_;
    std::vector<int> gridY_;
};

} // namespace zantrel
