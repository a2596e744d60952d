#include "maps/MapKindChooserWindow.h"

#include "maps/MapTexts.h"

#include <QHBoxLayout>
#include <QPushButton>

#include <iterator>

namespace zantrel {

TForm9::TForm9(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm9"));
    setWindowTitle(QStringLiteral("Mapy"));
    QPushButton** const buttons[] = {&ButtonMapaStandardowa, &ButtonMapaZaawansowana};
    for (size_t i = 0; i < std::size(buttons); ++i) {
        const NamedCaption& caption = MapKindButtons()[i];
        *buttons[i] = new QPushButton(QString::fromUtf8(caption.caption), this);
        (*buttons[i])->setObjectName(QString::fromLatin1(caption.name));
    }
    auto* row = new QHBoxLayout(this);
    row->addWidget(ButtonMapaStandardowa);
    row->addWidget(ButtonMapaZaawansowana);
    connect(ButtonMapaStandardowa, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButtonMapaZaawansowana, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace zantrel
