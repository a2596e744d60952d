#include "link/ConnectingWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zantrel {

namespace {

constexpr int kTimer1IntervalMs = 100;
// The main window's face colour, which this window and its status field share.
constexpr QRgb kMainWindowColour = 0xC8D0D4;

} // namespace

TForm13::TForm13(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TForm13"));
    setWindowTitle(QStringLiteral("Łączenie"));

    QPalette face = palette();
    face.setColor(QPalette::Window, QColor(kMainWindowColour));
    face.setColor(QPalette::Base, QColor(kMainWindowColour));
    setPalette(face);
    setAutoFillBackground(true);

    LabLaczenie = new QLabel(QStringLiteral("Łączenie"), this);
    LabLaczenie->setObjectName(QStringLiteral("LabLaczenie"));
    QFont big = LabLaczenie->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    LabLaczenie->setFont(big);
    LabLaczenie->setAlignment(Qt::AlignCenter);

    EditStatus2 = new QLineEdit(this);
    EditStatus2->setObjectName(QStringLiteral("EditStatus2"));
    EditStatus2->setReadOnly(true);
    EditStatus2->setAlignment(Qt::AlignCenter);
    EditStatus2->setPalette(face);

    ZamknijBtn = new QPushButton(QStringLiteral("Anuluj"), this);
    ZamknijBtn->setObjectName(QStringLiteral("ZamknijBtn"));

    auto* column = new QVBoxLayout(this);
    column->addWidget(LabLaczenie);
    column->addWidget(EditStatus2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ZamknijBtn);
    buttons->addStretch();
    column->addLayout(buttons);
    setFixedSize(260, 130);

    connect(ZamknijBtn, &QPushButton::clicked, this, &QDialog::reject);
    // Every close ends the dialog (its button, Escape, the title bar, close() by the
    // program); a hide by the window system does not.
    connect(this, &QDialog::finished, this, &TForm13::Closed);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(kTimer1IntervalMs);
    Timer1.start();
}

void TForm13::ShowCentred()
{
    if (QWidget* owner = parentWidget())
        move(owner->geometry().center() - rect().center());
    show();
    raise();
}

} // namespace zantrel
