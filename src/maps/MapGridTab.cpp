#include "maps/MapGridTab.h"

#include "base/LanguageStrings.h"
#include "maps/MapCellGrid.h"
#include "maps/MapTexts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zantrel {

namespace {

// A header's text, grey while its point has not been read.
void showHeader(QTableWidgetItem* item, const QString& text, bool known)
{
    item->setText(text);
    item->setForeground(known ? QColor(Qt::black) : QColor(Qt::gray));
}

} // namespace

MapGridTab::MapGridTab(const LanguageStrings& texts, QWidget& tab)
    : QWidget(&tab)
{
    setObjectName(QStringLiteral("MapGridTab"));
    StringGridMapa = new MapCellGrid(kMapRows, kMapColumns, kLiveCellColour, this);
    StringGridMapa->setObjectName(QStringLiteral("StringGridMapa"));
    StringGridMapa->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int c = 0; c < kMapColumns; ++c)
        StringGridMapa->setHorizontalHeaderItem(c, new QTableWidgetItem);
    for (int r = 0; r < kMapRows; ++r)
        StringGridMapa->setVerticalHeaderItem(r, new QTableWidgetItem);

    ButtonPlus5 = NewMapButton("ButtonPlus5", QStringLiteral("+ 5%"), this);
    Button1 = NewMapButton("Button1", QStringLiteral("+ 1%"), this);
    Button2 = NewMapButton("Button2", QStringLiteral("- 1%"), this);
    Button3 = NewMapButton("Button3", QStringLiteral("- 5%"), this);
    GradientMap2 = NewMapButton("GradientMap2", QStringLiteral("Gradient"), this);
    ButtonEditPoints = NewMapButton("ButtonEditPoints", QStringLiteral("Edytuj Punkty\nCharakterystyki"), this);
    MapyButton = NewMapButton("MapyButton", QStringLiteral("Korekty zaawansowane"), this);
    MapyButton->hide();
    ComboBoxMapa = new QComboBox(this);
    ComboBoxMapa->setObjectName(QStringLiteral("ComboBoxMapa"));
    ComboBoxMapa->addItems({QStringLiteral("Bez Mapy"), QStringLiteral("Mapa Obciazenie + RPM"),
                            QStringLiteral("Mapa Obciazeniowa")});
    ComboBoxMapa->hide();
    LabelSkroty = new QLabel(texts[Text::MapShortcuts], this);
    LabelSkroty->setObjectName(QStringLiteral("LabelSkroty"));
    LabelSkroty->setWordWrap(true);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* step : {ButtonPlus5, Button1, Button2, Button3}) {
        step->setMinimumHeight(40);
        buttons->addWidget(step);
    }
    buttons->addSpacing(12);
    GradientMap2->setMinimumHeight(40);
    buttons->addWidget(GradientMap2);
    buttons->addSpacing(12);
    ButtonEditPoints->setMinimumHeight(48);
    buttons->addWidget(ButtonEditPoints);
    buttons->addWidget(MapyButton);
    buttons->addWidget(ComboBoxMapa);
    buttons->addStretch();
    buttons->addWidget(LabelSkroty);

    auto* row = new QHBoxLayout(this);
    row->addWidget(StringGridMapa, 1);
    row->addLayout(buttons);
    auto* page = new QVBoxLayout(&tab);
    page->setContentsMargins(4, 4, 4, 4);
    page->addWidget(this);
}

void MapGridTab::ShowPoints(const MapPoints& points, QChar decimalSeparator)
{
    for (int c = 0; c < kMapColumns; ++c)
        showHeader(StringGridMapa->horizontalHeaderItem(c), ColumnHeaderText(points, c),
                   points.known[size_t(std::min(c, kSpeedPoints - 1))]);
    for (int r = 0; r < kMapRows; ++r)
        showHeader(StringGridMapa->verticalHeaderItem(r), RowHeaderText(points, r, decimalSeparator),
                   points.known[size_t(kFirstLoadPoint + std::min(r, kLoadPoints - 1))]);
}

void MapGridTab::ShowCell(const LoadRpmMap& map, int row, int column)
{
    const quint8 byte = map.Cell(row, column);
    StringGridMapa->ShowEntry(row, column, CellText(byte), PercentOf(byte), map.Known(row, column));
}

} // namespace zantrel
