#include "maps/CurveTab.h"

#include "maps/CurveGraph.h"
#include "maps/MapCellGrid.h"
#include "maps/MapColours.h"
#include "maps/MapTexts.h"
#include "widgets/BarGauge.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace zantrel {

namespace {

constexpr int kPointsPerGroup = 3;
constexpr int kFrameWidth = 2;
constexpr int kBarOutlineWidth = 2;
constexpr int kPointRadius = 4;
constexpr int kLimitMarkWidth = 5;
constexpr QColor kRed(255, 0, 0);
constexpr QColor kGasGreen(0, 128, 0);

constexpr const char* kGroupTitles[] = {"Male obciazenie", "Srednie obciazenie", "Duze obciazenie",
                                        "Maksymalne obciazenie"};

struct StripCaption {
    const char* text;
    const char* name;
};
// The captions left of the first group's points.
constexpr StripCaption kStripCaptions[] = {
    {"Zakres do wzbogacenia ", "LabelPasekZakres"},
    {"(czas wtr. benz w ms.)", "LabelPasekCzas"},
    {"Wzbogacanie mieszanki %", "LabelPasekWzbogacanie"},
};

QLabel* newHiddenLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->hide();
    return label;
}

} // namespace

CurveGraphWidget::CurveGraphWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Image1"));
    setMouseTracking(true);
    setMinimumSize(400, 220);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CurveGraphWidget::Show(const MapPoints& points, const LoadCurve& curve, int curveMax, QChar decimalSeparator)
{
    points_ = points;
    curve_ = curve;
    curveMax_ = curveMax;
    separator_ = decimalSeparator;
    update();
}

void CurveGraphWidget::paintEvent(QPaintEvent*)
{
    const CurveGraph graph(points_, width(), height(), curveMax_);
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QPen(ColourOf(kGraphFrameColour), kFrameWidth));
    p.drawRect(rect().adjusted(1, 1, -1, -1));

    const double zero = graph.ZeroY();
    QPainterPath line(QPointF(0, zero));
    for (int k = 0; k < kCurvePoints; ++k) {
        const int percent = PercentOf(curve_.bytes[size_t(k)]);
        const QRectF bar(QPointF(graph.LimitX(k), std::min(zero, graph.YOf(percent))),
                         QPointF(graph.BarRight(k), std::max(zero, graph.YOf(percent))));
        p.setPen(QPen(ColourOf(kGraphBarOutline), kBarOutlineWidth));
        p.setBrush(ColourOf(ValueColour(percent)));
        p.drawRect(bar);
        line.lineTo(bar.center().x(), graph.YOf(percent));
    }
    line.lineTo(width(), graph.YOf(PercentOf(curve_.bytes[size_t(kCurvePoints - 1)])));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRed, 1));
    p.drawPath(line);
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < kCurvePoints; ++k) {
        const double middle = (graph.LimitX(k) + graph.BarRight(k)) / 2;
        p.drawEllipse(QPointF(middle, graph.YOf(PercentOf(curve_.bytes[size_t(k)]))), kPointRadius, kPointRadius);
    }
    p.setPen(QPen(Qt::gray, 1));
    p.drawLine(QPointF(0, zero), QPointF(width(), zero));
    const QFontMetrics metrics(font());
    for (int k = 1; k < kCurvePoints; ++k) {
        p.setPen(QPen(kRed, kLimitMarkWidth, Qt::SolidLine, Qt::RoundCap));
        p.drawPoint(QPointF(graph.LimitX(k), zero));
        p.setPen(Qt::black);
        const int shift = k == 1 ? 10 : 5;
        p.drawText(QPointF(graph.LimitX(k) - shift, zero + 5 + metrics.ascent()),
                   LoadPointText(points_.values[size_t(kFirstLoadPoint + k - 1)], separator_));
    }
}

void CurveGraphWidget::mouseMoveEvent(QMouseEvent* event)
{
    const CurveGraph graph(points_, width(), height(), curveMax_);
    const QPoint at = event->position().toPoint();
    emit Pointed(at.x(), at.y(), graph.PercentAt(at.y()), graph.BandAt(at.x()));
}

void CurveGraphWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const CurveGraph graph(points_, width(), height(), curveMax_);
    const QPointF at = event->position();
    emit Clicked(graph.BandAt(at.x()), graph.PercentAt(at.y()));
}

CurveTab::CurveTab(QWidget& tab)
    : QWidget(&tab)
{
    setObjectName(QStringLiteral("CurveTab"));
    Image1 = new CurveGraphWidget(this);
    StringPasek = new MapCellGrid(1, kCurvePoints, kLiveBandColour, this);
    StringPasek->setObjectName(QStringLiteral("StringPasek"));
    StringPasek->horizontalHeader()->hide();
    StringPasek->verticalHeader()->hide();
    StringPasek->setFixedHeight(StringPasek->rowHeight(0) + 2 * StringPasek->frameWidth());
    StringPasek->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringPasek->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    for (int n = 1; n <= int(Edits.size()); ++n) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("Edit_%1").arg(n));
        field->setReadOnly(true);
        field->setAlignment(Qt::AlignCenter);
        field->setFocusPolicy(Qt::NoFocus);
        Edits[size_t(n - 1)] = field;
        // The points' own fields stay hidden: the strip shows the points.
        field->setVisible(n <= kCurvePoints);
    }
    auto* groups = new QHBoxLayout;
    for (size_t g = 0; g < Groups.size(); ++g) {
        auto* group = new QGroupBox(QString::fromLatin1(kGroupTitles[g]), this);
        group->setObjectName(QStringLiteral("GroupBoxPasek%1").arg(g + 1));
        auto* grid = new QGridLayout(group);
        int column = 0;
        if (g == 0) {
            auto* captions = new QVBoxLayout;
            for (const auto& [text, name] : kStripCaptions) {
                auto* caption = new QLabel(QString::fromUtf8(text), group);
                caption->setObjectName(QString::fromLatin1(name));
                captions->addWidget(caption);
            }
            grid->addLayout(captions, 0, column++, 2, 1);
        }
        for (int i = 0; i < kPointsPerGroup; ++i) {
            const int point = int(g) * kPointsPerGroup + i;
            grid->addWidget(Edits[size_t(point)], 0, column + i);
            grid->addWidget(Edits[size_t(kCurvePoints + point)], 1, column + i);
        }
        groups->addWidget(group);
        Groups[g] = group;
    }

    ButtonPL1stdm = NewMapButton("ButtonPL1stdm", QStringLiteral("+1"), this);
    ButtonPL5stdm = NewMapButton("ButtonPL5stdm", QStringLiteral("+5"), this);
    ButtonMi1stdm = NewMapButton("ButtonMi1stdm", QStringLiteral("-1"), this);
    ButtonMi5stdm = NewMapButton("ButtonMi5stdm", QStringLiteral("-5"), this);
    ButtonEditPP = NewMapButton("ButtonEditPP", QStringLiteral("Edytuj Punkty\nCharakterystyki"), this);
    ButtonEXITMap1 = NewMapButton("ButtonEXITMap1", QStringLiteral("Wyjscie z mapy"), this);
    AbBar1 = new BarGauge(Qt::Horizontal, this);
    AbBar1->setObjectName(QStringLiteral("AbBar1"));
    AbBar1->setScaleNumbers(true, 0);
    AbBar1->setMinimumHeight(28);
    LabelX = newHiddenLabel("LabelX", this);
    LabelY = newHiddenLabel("LabelY", this);
    LabelKor = newHiddenLabel("LabelKor", this);
    LabelSegment = newHiddenLabel("LabelSegment", this);

    auto* side = new QVBoxLayout;
    side->addWidget(ButtonEditPP);
    side->addStretch();
    side->addWidget(ButtonEXITMap1);
    auto* top = new QHBoxLayout;
    top->addWidget(Image1, 1);
    top->addLayout(side);
    auto* strip = new QHBoxLayout;
    strip->addWidget(StringPasek, 1);
    for (QPushButton* step : {ButtonPL1stdm, ButtonPL5stdm, ButtonMi1stdm, ButtonMi5stdm})
        strip->addWidget(step);
    auto* column = new QVBoxLayout(this);
    column->addWidget(AbBar1);
    column->addLayout(top, 1);
    column->addLayout(strip);
    column->addLayout(groups);
    for (QLabel* label : {LabelX, LabelY, LabelKor, LabelSegment})
        column->addWidget(label);
    auto* page = new QVBoxLayout(&tab);
    page->setContentsMargins(4, 4, 4, 4);
    page->addWidget(this);
}

void CurveTab::ShowPoints(const MapPoints& points, QChar decimalSeparator)
{
    for (int k = 0; k < kCurvePoints; ++k)
        Edits[size_t(k)]->setText(RowHeaderText(points, k, decimalSeparator));
    AbBar1->setRange(0.0, points.values[size_t(kMapPoints - 1)] / 10.0 + 2.0);
}

void CurveTab::ShowCurve(const MapPoints& points, const LoadCurve& curve, int curveMax, QChar decimalSeparator)
{
    for (int k = 0; k < kCurvePoints; ++k) {
        const quint8 byte = curve.bytes[size_t(k)];
        Edits[size_t(kCurvePoints + k)]->setText(CurvePointText(byte));
        StringPasek->ShowEntry(0, k, CurvePointText(byte), PercentOf(byte), curve.known[size_t(k)]);
    }
    Image1->Show(points, curve, curveMax, decimalSeparator);
}

void CurveTab::ShowSegment(std::optional<int> segment)
{
    for (int k = 0; k < kCurvePoints; ++k) {
        QLineEdit* field = Edits[size_t(kCurvePoints + k)];
        QPalette colours = field->palette();
        colours.setColor(QPalette::Base, segment == k ? kRed : QColor(Qt::white));
        field->setPalette(colours);
    }
    StringPasek->ShowLive(segment ? std::optional<std::pair<int, int>>({0, *segment}) : std::nullopt);
}

void CurveTab::ShowLoad(double ms, bool onGas)
{
    AbBar1->setFillColour(onGas ? kGasGreen : kRed);
    AbBar1->setValue(ms);
}

} // namespace zantrel
