#include "config/ParameterTabLayout.h"

#include "config/ParameterDescriptions.h"
#include "config/ParameterItemLists.h"
#include "config/ParameterTabRows.h"

#include <QCheckBox>
#include <QComboBox>
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

constexpr int kEditWidth = 60;
constexpr int kMemoHeight = 84;
constexpr int kMargin = 6;
constexpr int kSpacing = 4;

template <typename W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Lays out one page's rows into columns of groups.
class PageBuilder {
public:
    explicit PageBuilder(QWidget& page) : page_(page), pageLayout_(new QVBoxLayout(&page)), columns_(new QHBoxLayout)
    {
        pageLayout_->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
        columns_->setSpacing(kSpacing);
        pageLayout_->addLayout(columns_, 1);
    }

    void add(const LayoutRow& row)
    {
        switch (row.kind) {
        case LayoutKind::Column:
            closeColumn();
            column_ = new QVBoxLayout;
            columns_->addLayout(column_);
            break;
        case LayoutKind::Group: {
            auto* group = named(new QGroupBox(QString::fromUtf8(row.text), &page_), row.name);
            grid_ = new QGridLayout(group);
            grid_->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
            grid_->setHorizontalSpacing(kSpacing);
            grid_->setColumnStretch(1, 1);
            rows_ = 0;
            column_->addWidget(group);
            break;
        }
        case LayoutKind::Partner: {
            closeColumn();
            auto* panel = named(new QWidget(&page_), row.name);
            panel->hide();
            grid_ = new QGridLayout(panel);
            rows_ = 0;
            columns_->addWidget(panel);
            break;
        }
        case LayoutKind::Edit: {
            auto* edit = named(new QLineEdit(&page_), row.name);
            edit->setFixedWidth(kEditWidth);
            addRow(row, edit);
            break;
        }
        case LayoutKind::List: {
            // As wide as its longest item, so that whichever is chosen shows whole.
            auto* list = named(new QComboBox(&page_), row.name);
            list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            if (const ItemList* items = FindItemList(list->objectName()))
                list->addItems(items->items);
            list->setCurrentIndex(-1);
            addRow(row, list);
            break;
        }
        case LayoutKind::Check:
            grid_->addWidget(named(new QCheckBox(QString::fromUtf8(row.text), &page_), row.name), rows_++, 1);
            break;
        case LayoutKind::Button:
            grid_->addWidget(named(new QPushButton(QString::fromUtf8(row.text), &page_), row.name), rows_++, 0, 1, 2,
                             Qt::AlignLeft);
            break;
        case LayoutKind::Beside:
            field_->insertWidget(field_->count() - 1, named(new QPushButton(QString::fromUtf8(row.text), &page_), row.name));
            break;
        case LayoutKind::Memo: {
            closeColumn();
            auto* memo = named(new QPlainTextEdit(&page_), row.name);
            memo->setReadOnly(true);
            memo->setFocusPolicy(Qt::NoFocus);
            memo->setFixedHeight(kMemoHeight);
            pageLayout_->addWidget(memo);
            break;
        }
        }
    }

private:
    // The groups of a column keep to its top.
    void closeColumn()
    {
        if (column_)
            column_->addStretch(1);
        column_ = nullptr;
    }

    void addRow(const LayoutRow& row, QWidget* control)
    {
        auto* label = new QLabel(LabelTextOf(row), &page_);
        label->setObjectName(LabelNameOf(row.name));
        label->setBuddy(control);
        // The control with its unit or button right after it.
        field_ = new QHBoxLayout;
        field_->addWidget(control);
        if (*row.unit) {
            auto* unit = new QLabel(QString::fromUtf8(row.unit), &page_);
            unit->setObjectName(QString::fromLatin1(row.name) + QStringLiteral("Unit"));
            field_->addWidget(unit);
        }
        field_->addStretch(1);
        grid_->addWidget(label, rows_, 0);
        grid_->addLayout(field_, rows_, 1);
        ++rows_;
    }

    QWidget& page_;
    QVBoxLayout* pageLayout_;
    QHBoxLayout* columns_;
    QVBoxLayout* column_ = nullptr;
    QGridLayout* grid_ = nullptr;
    QHBoxLayout* field_ = nullptr;
    int rows_ = 0;
};

void buildPage(QWidget& page, std::span<const LayoutRow> rows)
{
    PageBuilder builder(page);
    for (const LayoutRow& row : rows)
        builder.add(row);
}

void applyStartState(QWidget& page, const StartState& state)
{
    const QString name = QString::fromLatin1(state.control);
    QWidget* control = page.findChild<QWidget*>(name);
    if (!control)
        return;
    QWidget* label = page.findChild<QWidget*>(LabelNameOf(state.control));
    QWidget* unit = page.findChild<QWidget*>(name + QStringLiteral("Unit"));
    for (QWidget* w : {control, label, unit}) {
        if (!w)
            continue;
        w->setVisible(state.shown);
        w->setEnabled(state.enabled);
    }
}

} // namespace

void BuildParameterTabs(QWidget& parametersPage, QWidget& advancedPage)
{
    buildPage(parametersPage, ParametersTabRows());
    buildPage(advancedPage, AdvancedTabRows());
    for (const StartState& state : StartStates())
        for (QWidget* page : {&parametersPage, &advancedPage})
            applyStartState(*page, state);
}

} // namespace zantrel
