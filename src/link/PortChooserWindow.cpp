#include "link/PortChooserWindow.h"

#include "link/PortNames.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace zantrel {

namespace {

constexpr int kStartPort = 8;

bool DevicePathsUsed()
{
#ifdef Q_OS_WIN
    return false;
#else
    return true;
#endif
}

} // namespace

TForm14::TForm14(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm14"));
    setWindowTitle(QStringLiteral("COM"));

    LabelCOM = new QLabel(this);
    LabelCOM->setObjectName(QStringLiteral("LabelCOM"));
    EditCOM = new QLineEdit(QString::number(kStartPort), this);
    EditCOM->setObjectName(QStringLiteral("EditCOM"));
    EditCOM->setMaxLength(3);
    EditCOM->setValidator(new QIntValidator(0, 999, EditCOM));
    EditCOM->setFixedWidth(50);

    TrackBarCom = new QSlider(Qt::Horizontal, this);
    TrackBarCom->setObjectName(QStringLiteral("TrackBarCom"));
    TrackBarCom->setRange(1, kMaxComNumber);
    TrackBarCom->setValue(kStartPort);

    LabelDevicePath = new QLabel(QStringLiteral("Urządzenie:"), this);
    LabelDevicePath->setObjectName(QStringLiteral("LabelDevicePath"));
    EditDevicePath = new QLineEdit(this);
    EditDevicePath->setObjectName(QStringLiteral("EditDevicePath"));
    EditDevicePath->setPlaceholderText(QStringLiteral("/dev/ttyUSB0"));
    LabelDevicePath->setVisible(DevicePathsUsed());
    EditDevicePath->setVisible(DevicePathsUsed());

    BtnCOMok = new QPushButton(QStringLiteral("OK"), this);
    BtnCOMok->setObjectName(QStringLiteral("BtnCOMok"));
    BtnCOMok->setDefault(true);
    BtnCOMcancel = new QPushButton(QStringLiteral("Anuluj"), this);
    BtnCOMcancel->setObjectName(QStringLiteral("BtnCOMcancel"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(LabelCOM, 0, 0);
    grid->addWidget(EditCOM, 0, 1);
    grid->addWidget(TrackBarCom, 1, 0, 1, 2);
    grid->addWidget(LabelDevicePath, 2, 0);
    grid->addWidget(EditDevicePath, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnCOMok);
    buttons->addWidget(BtnCOMcancel);
    grid->addLayout(buttons, 3, 0, 1, 2);

    connect(TrackBarCom, &QSlider::valueChanged, this, [this](int value) {
        EditCOM->setText(QString::number(value));
        emit PortNumberMoved(value);
    });
    // A typed number moves the track bar, so the port, the stored number and the menu
    // caption always agree; typed, it is chosen even where the bar stands already.
    connect(EditCOM, &QLineEdit::textEdited, this, [this](const QString& text) {
        const std::optional<int> n = ChooserPortNumber(text);
        if (!n)
            return;
        if (TrackBarCom->value() == *n)
            emit PortNumberMoved(*n);
        else
            TrackBarCom->setValue(*n);
    });
    connect(EditCOM, &QLineEdit::textChanged, this, &TForm14::enableOk);
    connect(EditDevicePath, &QLineEdit::textChanged, this, &TForm14::enableOk);
    connect(BtnCOMok, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCOMcancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm14::PrepareForPortChoice(const QString& labelText, const QString& devicePath)
{
    LabelCOM->setText(labelText);
    EditDevicePath->clear();
    EditDevicePath->setPlaceholderText(devicePath.isEmpty() ? QStringLiteral("/dev/ttyUSB0") : devicePath);
    enableOk();
    resize(DevicePathsUsed() ? QSize(300, 170) : QSize(250, 150));
}

// A number beyond the track bar would store one port and show another.
void TForm14::enableOk()
{
    BtnCOMok->setEnabled(ChooserPortNumber(EditCOM->text()) || !EditDevicePath->text().trimmed().isEmpty());
}

} // namespace zantrel
