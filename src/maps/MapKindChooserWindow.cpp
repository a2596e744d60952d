#include "maps/MapKindChooserWindow.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace zantrel {

TForm9::TForm9(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm9"));
    setWindowTitle(QStringLiteral("Mapy"));
    ButtonMapaStandardowa = new QPushButton(QStringLiteral("Mapa standardowa"), this);
    ButtonMapaStandardowa->setObjectName(QStringLiteral("ButtonMapaStandardowa"));
    ButtonMapaZaawansowana = new QPushButton(QStringLiteral("Mapa zaawansowana"), this);
    ButtonMapaZaawansowana->setObjectName(QStringLiteral("ButtonMapaZaawansowana"));
    auto* row = new QHBoxLayout(this);
    row->addWidget(ButtonMapaStandardowa);
    row->addWidget(ButtonMapaZaawansowana);
    connect(ButtonMapaStandardowa, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButtonMapaZaawansowana, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace zantrel
