#include "service/CarDataWindow.h"

#include "service/CarDataCodec.h"
#include "service/DialogParts.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zantrel {

namespace {

constexpr int kMemoLines = 2;

template <typename W>
W* named(W* widget, const char* name)
{
    return Named(widget, QString::fromLatin1(name));
}

QLineEdit* fieldEdit(CarDataField field, QWidget* parent)
{
    const CarDataFieldSpec& spec = CarDataFieldOf(field);
    auto* edit = named(new QLineEdit(parent), spec.control);
    edit->setMaxLength(spec.width);
    return edit;
}

QLabel* label(const char* name, QWidget* buddy, QWidget* parent)
{
    auto* l = named(new QLabel(CaptionNamed(CarDataLabels(), QString::fromLatin1(name)), parent), name);
    l->setBuddy(buddy);
    return l;
}

constexpr int kEditMargin = 12;

// An edit as wide as its field's characters.
void fitWidth(QLineEdit* edit)
{
    edit->setFixedWidth(QFontMetrics(edit->font()).horizontalAdvance(QString(edit->maxLength(), u'X')) + kEditMargin);
}

} // namespace

TForm5::TForm5(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("dane samochodu"));
    setModal(true);

    NrRejEdit = fieldEdit(CarDataField::Registration, this);
    MarkaEdit = fieldEdit(CarDataField::Make, this);
    ModelEdit = fieldEdit(CarDataField::Model, this);
    OpisEdit = named(new QPlainTextEdit(this), CarDataFieldOf(CarDataField::Installer).control);
    OpisEdit->setTabChangesFocus(true);
    OpisEdit->setFixedHeight(OpisEdit->fontMetrics().lineSpacing() * kMemoLines + 12);
    DataRokEdit = fieldEdit(CarDataField::Year, this);
    DataMiesEdit = fieldEdit(CarDataField::Month, this);
    DataDzienEdit = fieldEdit(CarDataField::Day, this);
    for (QLineEdit* edit : {NrRejEdit, MarkaEdit, ModelEdit, DataRokEdit, DataMiesEdit, DataDzienEdit})
        fitWidth(edit);

    auto* texts = new QGridLayout;
    texts->addWidget(label("Label1", NrRejEdit, this), 0, 0);
    texts->addWidget(NrRejEdit, 0, 1, Qt::AlignLeft);
    texts->addWidget(label("Label2", MarkaEdit, this), 1, 0);
    texts->addWidget(MarkaEdit, 1, 1, Qt::AlignLeft);
    texts->addWidget(label("Label4", ModelEdit, this), 2, 0);
    texts->addWidget(ModelEdit, 2, 1, Qt::AlignLeft);
    texts->addWidget(label("Label5", OpisEdit, this), 3, 0, Qt::AlignTop);
    texts->addWidget(OpisEdit, 3, 1);
    texts->setColumnStretch(1, 1);

    auto* engine = named(new QGroupBox(QString::fromUtf8("Dane Montażu"), this), "GroupBox1");
    auto* lists = new QGridLayout(engine);
    ComboBox2 = named(new QComboBox(engine), "ComboBox2");
    ComboBox3 = named(new QComboBox(engine), "ComboBox3");
    ComboBox1 = named(new QComboBox(engine), "ComboBox1");
    ComboBox4 = named(new QComboBox(engine), "ComboBox4");
    struct ListRow {
        const char* label;
        QComboBox* list;
    };
    const ListRow rows[] = {
        {"Label10", ComboBox2},
        {"Label11", ComboBox3},
        {"Label6", ComboBox1},
        {"Label18", ComboBox4},
    };
    int row = 0;
    for (const ListRow& r : rows) {
        r.list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        lists->addWidget(label(r.label, r.list, engine), row, 0);
        lists->addWidget(r.list, row++, 1, Qt::AlignLeft);
    }

    auto* date = named(new QGroupBox(this), "GroupBox2");
    auto* dateRow = new QHBoxLayout(date);
    dateRow->addWidget(label("Label3", DataRokEdit, date));
    dateRow->addSpacing(8);
    dateRow->addWidget(label("Label7", DataRokEdit, date));
    dateRow->addWidget(DataRokEdit);
    dateRow->addWidget(label("Label8", DataMiesEdit, date));
    dateRow->addWidget(DataMiesEdit);
    dateRow->addWidget(label("Label9", DataDzienEdit, date));
    dateRow->addWidget(DataDzienEdit);
    dateRow->addStretch(1);

    const DialogButtons buttons = AddDialogButtons(*this, QStringLiteral("&Zapisz"), QStringLiteral("ButOK"),
                                                   QString::fromUtf8("Wyjdź"), QStringLiteral("ButCancel"));
    ButOK = buttons.accept;
    ButCancel = buttons.cancel;

    auto* column = new QVBoxLayout(this);
    column->addLayout(texts);
    column->addWidget(engine);
    column->addWidget(date);
    column->addLayout(buttons.row);

    // Tab follows the order in which Enter moves on.
    const QList<QWidget*> order{NrRejEdit, ComboBox2, ComboBox3, ComboBox1, ComboBox4, DataRokEdit,
                                DataMiesEdit, DataDzienEdit, MarkaEdit, ModelEdit, OpisEdit, ButOK, ButCancel};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

} // namespace zantrel
