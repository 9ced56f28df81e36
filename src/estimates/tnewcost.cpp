#include "estimates/tnewcost.h"

#include "core/ini_file.h"
#include "core/number_format.h"
#include "core/settings.h"
#include "core/text_functions.h"
#include "data/database.h"
#include "data/dataset.h"
#include "data/tdm4.h"
#include "estimates/cost_header.h"
#include "estimates/date_input.h"
#include "ui/prompter.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <stdexcept>

namespace velta::estimates {

namespace {

const QString kIdCost = QStringLiteral("ID_Cost");

QDate dateOf(const QVariant& v) {
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    return v.toDate();
}

QString numberText(const QVariant& v) {
    if (v.isNull())
        return {};
    return core::FormatFloatShort(QStringLiteral("0.000000"), v.toDouble());
}

// The second column of the value list offers the previous values of its row's field.
class ValueDelegate : public QStyledItemDelegate {
public:
    ValueDelegate(TNewCost& editor, QObject* parent) : QStyledItemDelegate(parent), m_editor(editor) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        if (index.column() != 1 || index.row() >= kExtraFieldCount)
            return QStyledItemDelegate::createEditor(parent, option, index);
        auto* box = new QComboBox(parent);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems(m_editor.valueRowPickList(index.row()));
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* box = qobject_cast<QComboBox*>(editor))
            box->setEditText(index.data(Qt::EditRole).toString());
        else
            QStyledItemDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        if (auto* box = qobject_cast<QComboBox*>(editor))
            model->setData(index, box->currentText(), Qt::EditRole);
        else
            QStyledItemDelegate::setModelData(editor, model, index);
    }

private:
    TNewCost& m_editor;
};

} // namespace

TNewCost::TNewCost(data::TDM4& dm, ui::Prompter& prompter, QWidget* parent)
    : ui::ModalWindow(parent), m_dm(dm), m_prompter(prompter) {
    setObjectName(QStringLiteral("TNewCost"));
    build();
}

TNewCost::~TNewCost() = default;

QWidget* TNewCost::addBound(const QString& field, Bound::Kind kind, const char* name) {
    QWidget* w = nullptr;
    switch (kind) {
    case Bound::Kind::MultiLine: {
        auto* e = new QPlainTextEdit(this);
        e->setTabChangesFocus(true);
        connect(e, &QPlainTextEdit::textChanged, this, [this, field] {
            for (const Bound& b : m_bound)
                if (b.field == field && !m_loading)
                    writeBound(b);
        });
        w = e;
        break;
    }
    case Bound::Kind::Date: {
        auto* e = new DateInput(this);
        connect(e, &DateInput::dateEdited, this, [this, field] {
            for (const Bound& b : m_bound)
                if (b.field == field && !m_loading)
                    writeBound(b);
        });
        w = e;
        break;
    }
    default: {
        auto* e = new QLineEdit(this);
        if (kind == Bound::Kind::Stamp || kind == Bound::Kind::Calculated) {
            e->setReadOnly(true);
            e->setFocusPolicy(Qt::NoFocus);
        } else {
            connect(e, &QLineEdit::textEdited, this, [this, field] {
                for (const Bound& b : m_bound)
                    if (b.field == field)
                        writeBound(b);
            });
        }
        if (kind == Bound::Kind::Number || kind == Bound::Kind::Integer || kind == Bound::Kind::Calculated)
            e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        w = e;
        break;
    }
    }
    w->setObjectName(QLatin1String(name));
    m_bound.push_back({field, kind, w});
    return w;
}

void TNewCost::build() {
    using K = Bound::Kind;
    auto* root = new QVBoxLayout(this);

    // Top strip: the time stamps.
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Дата створення"), this));
    QWidget* created = addBound(QStringLiteral("Created"), K::Stamp, "eCreated");
    created->setMinimumWidth(140);
    top->addWidget(created);
    top->addSpacing(16);
    top->addWidget(new QLabel(QStringLiteral("Дата зміни"), this));
    QWidget* edited = addBound(QStringLiteral("Edited"), K::Stamp, "eEdited");
    edited->setMinimumWidth(140);
    top->addWidget(edited);
    top->addStretch(1);
    root->addLayout(top);

    auto* body = new QHBoxLayout;
    root->addLayout(body, 1);
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    body->addLayout(grid, 3);
    int row = 0;
    auto label = [this](const QString& text) {
        auto* l = new QLabel(text, this);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    auto pick = [this](const QString& field, const char* name) {
        auto* c = new QComboBox(this);
        c->setObjectName(QLatin1String(name));
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMinimumContentsLength(12);
        m_pickBoxes.emplace_back(field, c);
        return c;
    };
    auto pair = [&](const QString& leftText, QWidget* left, const QString& rightText, QWidget* right) {
        grid->addWidget(label(leftText), row, 0);
        grid->addWidget(left, row, 1);
        if (right) {
            grid->addWidget(label(rightText), row, 2);
            grid->addWidget(right, row, 3);
        }
        ++row;
    };
    auto wide = [&](const QString& text, QWidget* w) {
        grid->addWidget(label(text), row, 0);
        grid->addWidget(w, row, 1, 1, 3);
        ++row;
    };
    auto multi = [](QWidget* w, int lines) {
        auto* e = static_cast<QPlainTextEdit*>(w);
        e->setFixedHeight(e->fontMetrics().lineSpacing() * lines + 10);
        return w;
    };

    // Number and date.
    m_number = static_cast<QLineEdit*>(addBound(QStringLiteral("Cost_Number"), K::Text, "eCost_Number"));
    m_number->setMaxLength(20);
    auto* dateRow = new QWidget(this);
    auto* dateLayout = new QHBoxLayout(dateRow);
    dateLayout->setContentsMargins(0, 0, 0, 0);
    m_dateBox = new QCheckBox(QStringLiteral("Дата"), dateRow);
    m_dateBox->setObjectName(QStringLiteral("cbCost_Date"));
    m_datePicker = new QDateEdit(dateRow);
    m_datePicker->setObjectName(QStringLiteral("pCost_Date"));
    m_datePicker->setCalendarPopup(true);
    m_datePicker->setDisplayFormat(core::NumberFormat::current().shortDateFormat);
    m_datePicker->calendarWidget()->setFirstDayOfWeek(Qt::Monday);
    connect(m_dateBox, &QCheckBox::toggled, m_datePicker, &QWidget::setEnabled);
    dateLayout->addWidget(m_dateBox);
    dateLayout->addWidget(m_datePicker, 1);
    grid->addWidget(label(QStringLiteral("Номер")), row, 0);
    grid->addWidget(m_number, row, 1);
    grid->addWidget(dateRow, row, 2, 1, 2);
    ++row;

    wide(QStringLiteral("Замовник"), pick(QStringLiteral("Cust_Name"), "cbCust_Name"));
    wide(QStringLiteral("Адреса земельної ділянки"), pick(QStringLiteral("Address"), "cbAddress"));
    wide(QStringLiteral("Вид робіт"), pick(QStringLiteral("Agreement"), "cbAgreement"));
    wide(QStringLiteral("представник"),
         multi(addBound(QStringLiteral("Cust_FIO"), K::MultiLine, "mCust_FIO"), 2));
    pair(QStringLiteral("посади"), pick(QStringLiteral("Cust_Post"), "cbCust_Post"),
         QStringLiteral("що діє на підставі"), pick(QStringLiteral("Cust_Doc"), "cbCust_Doc"));
    wide(QStringLiteral("адреса замовника"),
         multi(addBound(QStringLiteral("Cust_Address"), K::MultiLine, "mCust_Address"), 2));
    pair(QStringLiteral("телефон"),
         multi(addBound(QStringLiteral("Cust_Phone"), K::MultiLine, "mCust_Phone"), 2),
         QStringLiteral("e-Mail"),
         multi(addBound(QStringLiteral("Cust_eMail"), K::MultiLine, "mCust_eMail"), 2));
    pair(QStringLiteral("Площа, кв.м"), addBound(QStringLiteral("Area"), K::Number, "eArea"),
         QStringLiteral("Періметр, м"), addBound(QStringLiteral("Perimetr"), K::Number, "ePerimetr"));
    pair(QStringLiteral("Кількість ділянок"),
         addBound(QStringLiteral("CountObject"), K::Integer, "eCountObject"),
         QStringLiteral("Кількість точок"),
         addBound(QStringLiteral("CountPoint"), K::Integer, "eCountPoint"));
    pair(QStringLiteral("Сума за кошторисом"), addBound(QStringLiteral("Sum_Full"), K::Number, "eSum_Full"),
         QStringLiteral("Договірна ціна"), addBound(QStringLiteral("Sum_Real"), K::Number, "eSum_Real"));
    pair(QStringLiteral("Сума авансу"), addBound(QStringLiteral("Sum_AdvPay"), K::Number, "eSum_AdvPay"),
         QStringLiteral("Сума до сплати"), addBound(QStringLiteral("Sum"), K::Calculated, "eSum"));
    pair(QStringLiteral("в т.ч. інші"), addBound(QStringLiteral("Sum_Other"), K::Number, "eSum_Other"),
         QStringLiteral("в т.ч. ПДВ"), addBound(QStringLiteral("PDV"), K::Number, "ePDV"));
    pair(QStringLiteral("Термін договору"), addBound(QStringLiteral("Termin"), K::Text, "eTermin"),
         QStringLiteral("Початок дії договору"),
         addBound(QStringLiteral("DateFirst"), K::Date, "eDateFirst"));
    pair(QStringLiteral("Закінчення дії"), addBound(QStringLiteral("DateLast"), K::Date, "eDateLast"),
         QStringLiteral("Роботу виконано"), addBound(QStringLiteral("DateFinish"), K::Date, "eDateFinish"));
    pair(QStringLiteral("Сплачено суму"), addBound(QStringLiteral("Payment_Sum"), K::Number, "ePayment_Sum"),
         QStringLiteral("Дата сплати"), addBound(QStringLiteral("Payment_Date"), K::Date, "ePayment_Date"));
    pair(QStringLiteral("Форма власності"), pick(QStringLiteral("TypePrivate"), "cbTypePrivate"),
         QStringLiteral("Умови надання"), pick(QStringLiteral("TypeTake"), "cbTypeTake"));
    wide(QStringLiteral("Цільове призначення"), pick(QStringLiteral("TypeUses"), "cbTypeUses"));
    grid->setRowStretch(row, 1);
    static_cast<QLineEdit*>(input(QStringLiteral("Termin")))->setMaxLength(50);

    // Right-hand panel: the comment over the value list.
    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(new QLabel(QStringLiteral("Коментарі"), right));
    m_rightSplitter = new QSplitter(Qt::Vertical, right);
    m_rightSplitter->setChildrenCollapsible(false);
    QWidget* note = addBound(QStringLiteral("Note"), K::MultiLine, "mNote");
    note->setMinimumHeight(60);
    m_rightSplitter->addWidget(note);
    m_valueList = new QTableWidget(0, 2, this);
    m_valueList->setObjectName(QStringLiteral("leValue"));
    m_valueList->setHorizontalHeaderLabels({QStringLiteral("Назва"), QStringLiteral("Значення")});
    m_valueList->setColumnWidth(0, 115);
    m_valueList->setColumnWidth(1, 193);
    m_valueList->horizontalHeader()->setStretchLastSection(true);
    m_valueList->verticalHeader()->hide();
    m_valueList->verticalHeader()->setDefaultSectionSize(m_valueList->fontMetrics().height() + 6);
    m_valueList->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_valueList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_valueList->setItemDelegate(new ValueDelegate(*this, m_valueList));
    m_valueList->setMinimumHeight(100);
    m_rightSplitter->addWidget(m_valueList);
    m_rightSplitter->setStretchFactor(0, 1);
    rightLayout->addWidget(m_rightSplitter, 1);
    right->setMinimumWidth(330);
    body->addWidget(right, 2);

    // Buttons.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* save = new QPushButton(QStringLiteral("Зберегти"), this);
    save->setObjectName(QStringLiteral("bSave"));
    save->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("Відмінити"), this);
    cancel->setObjectName(QStringLiteral("bCancel"));
    cancel->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &TNewCost::bSaveClick);
    connect(cancel, &QPushButton::clicked, this, &TNewCost::bCancelClick);
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    root->addLayout(buttons);

    // Fits a 1366 by 768 screen with the taskbar, grows on larger ones.
    resize(1060, 680);
}

QWidget* TNewCost::input(const QString& field) const {
    for (const Bound& b : m_bound)
        if (b.field.compare(field, Qt::CaseInsensitive) == 0)
            return b.widget;
    return nullptr;
}

QComboBox* TNewCost::pickBox(const QString& field) const {
    for (const auto& [f, box] : m_pickBoxes)
        if (f.compare(field, Qt::CaseInsensitive) == 0)
            return box;
    return nullptr;
}

QString TNewCost::workingFile(const QString& name) const {
    return QDir(m_dm.workingFolder()).filePath(name);
}

int TNewCost::storedListHeight() const {
    const core::IniFile ini(core::iniPath(m_dm.workingFolder()));
    return ini.readInteger(core::ini_keys::kOrganisation, core::ini_keys::kParamListHeight, 345);
}

// --- opening ---

void TNewCost::enterMode() {
    data::Dataset& cost = m_dm.TbCost();
    setWindowTitle(isNewMode() ? QStringLiteral("Створення кошторису") : QStringLiteral("Зміна кошторису"));

    m_loading = true;
    // Pick lists, with the fixed kinds first, then each box's text from its field.
    for (const auto& [field, box] : m_pickBoxes) {
        box->clear();
        box->addItems(PickList(m_dm, field));
        box->setEditText(cost.value(field).toString());
    }
    const QDate date = dateOf(cost.value(QStringLiteral("Cost_Date")));
    const bool dated = date.isValid() && date != QDate(1899, 12, 30);
    m_datePicker->setDate(dated ? date : QDate::currentDate());
    m_dateBox->setChecked(dated);
    m_datePicker->setEnabled(dated);
    loadBound();
    m_loading = false;

    // Extra fields: the captions from velta.vle (or those of the last opening), this estimate's values.
    QList<ValueRow> rows = valueRows();
    const QString vle = workingFile(kValueListFileName);
    if (QFileInfo::exists(vle))
        rows = ReadValueList(vle);
    MergeExtraFields(rows, ExtraFieldValues(m_dm));
    setValueRows(rows);

    const int height = std::max(100, storedListHeight());
    const int total = std::max(m_rightSplitter->height(), height + 120);
    m_rightSplitter->setSizes({total - height, height});

    m_number->setFocus();
    m_number->selectAll();
}

void TNewCost::loadBound() {
    const data::Dataset& cost = m_dm.TbCost();
    for (const Bound& b : m_bound) {
        const QVariant v = cost.value(b.field);
        switch (b.kind) {
        case Bound::Kind::MultiLine:
            static_cast<QPlainTextEdit*>(b.widget)->setPlainText(v.toString());
            break;
        case Bound::Kind::Date:
            static_cast<DateInput*>(b.widget)->setDate(dateOf(v));
            break;
        case Bound::Kind::Stamp:
            static_cast<QLineEdit*>(b.widget)->setText(
                v.isNull() ? QString() : v.toDateTime().toString(QStringLiteral("dd.MM.yyyy hh:mm AP")));
            break;
        case Bound::Kind::Number:
        case Bound::Kind::Calculated:
            static_cast<QLineEdit*>(b.widget)->setText(numberText(v));
            break;
        case Bound::Kind::Integer:
            static_cast<QLineEdit*>(b.widget)->setText(v.isNull() ? QString()
                                                                  : QString::number(v.toLongLong()));
            break;
        case Bound::Kind::Text:
            static_cast<QLineEdit*>(b.widget)->setText(v.toString());
            break;
        }
    }
}

void TNewCost::ensureEditing() {
    data::Dataset& cost = m_dm.TbCost();
    if (cost.state() == data::Dataset::State::Browse && cost.currentIndex() >= 0)
        cost.edit();
}

bool TNewCost::writeBound(const Bound& b) {
    data::Dataset& cost = m_dm.TbCost();
    if (cost.currentIndex() < 0)
        return true;
    ensureEditing();
    QVariant value;
    switch (b.kind) {
    case Bound::Kind::Stamp:
    case Bound::Kind::Calculated:
        return true;
    case Bound::Kind::MultiLine:
        value = static_cast<QPlainTextEdit*>(b.widget)->toPlainText();
        break;
    case Bound::Kind::Date: {
        const std::optional<QDate> d = static_cast<DateInput*>(b.widget)->date();
        if (!d)
            return false;
        value = d->isValid() ? QVariant(*d) : QVariant();
        break;
    }
    case Bound::Kind::Number: {
        const QString t = static_cast<QLineEdit*>(b.widget)->text().trimmed();
        value = t.isEmpty() ? QVariant() : QVariant(core::TxtToFloat(t, 0));
        break;
    }
    case Bound::Kind::Integer: {
        const QString t = static_cast<QLineEdit*>(b.widget)->text().trimmed();
        value = t.isEmpty() ? QVariant() : QVariant(core::TxtToInt(t));
        break;
    }
    case Bound::Kind::Text:
        value = static_cast<QLineEdit*>(b.widget)->text();
        break;
    }
    cost.setValue(b.field, value);
    if (b.field == QLatin1String("Sum_Full") || b.field == QLatin1String("Sum_Real"))
        showCalculated();
    return true;
}

void TNewCost::showCalculated() {
    if (auto* sum = static_cast<QLineEdit*>(input(QStringLiteral("Sum"))))
        sum->setText(numberText(m_dm.TbCost().value(QStringLiteral("Sum"))));
}

// --- the value list ---

QList<ValueRow> TNewCost::valueRows() const {
    QList<ValueRow> rows;
    for (int r = 0; r < m_valueList->rowCount(); ++r) {
        const QTableWidgetItem* caption = m_valueList->item(r, 0);
        const QTableWidgetItem* value = m_valueList->item(r, 1);
        rows.append({caption ? caption->text() : QString(), value ? value->text() : QString()});
    }
    return rows;
}

void TNewCost::setValueRows(const QList<ValueRow>& rows) {
    m_valueList->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        m_valueList->setItem(r, 0, new QTableWidgetItem(rows[r].caption));
        m_valueList->setItem(r, 1, new QTableWidgetItem(rows[r].value));
    }
}

QStringList TNewCost::valueRowPickList(int row) {
    return ExtraFieldPickList(m_dm, row + 1);
}

// --- closing ---

void TNewCost::bSaveClick() {
    data::Dataset& cost = m_dm.TbCost();
    // Hands the text being typed to the row, as leaving the input would.
    m_valueList->setCurrentCell(-1, -1);
    for (const Bound& b : m_bound)
        if (!writeBound(b)) {
            m_prompter.error(
                QStringLiteral("Невірна дата: \"%1\"").arg(static_cast<QLineEdit*>(b.widget)->text()));
            b.widget->setFocus();
            return;
        }

    if (cost.value(QStringLiteral("Cost_Number")).toString().trimmed().isEmpty()) {
        m_prompter.error(QStringLiteral("Перед збереженням необхідно заповнити поле \"Номер\" !"));
        m_number->setFocus();
        return;
    }

    try {
        ensureEditing();
        for (const auto& [field, box] : m_pickBoxes)
            cost.setValue(field, box->currentText());
        cost.setValue(QStringLiteral("Cost_Date"),
                      m_dateBox->isChecked() ? QVariant(m_datePicker->date()) : QVariant());
        FillWorkDates(cost, core::Settings::load(m_dm.workingFolder()));

        // The key is taken now, so that the estimate is known after the post even when the
        // list's filter hides it.
        if (cost.state() == data::Dataset::State::Insert && cost.value(kIdCost).isNull())
            cost.setValue(kIdCost, m_dm.velta()->nextValue(QStringLiteral("ID_GEN_COST")));
        const QVariant key = cost.value(kIdCost);
        cost.post();

        // The remaining steps work on the saved estimate; when the filter took it out of the
        // list, it is brought back for them and the filter is restored at the end.
        const bool hidden = cost.value(kIdCost) != key;
        const bool filtered = cost.filtered();
        if (hidden) {
            cost.setFiltered(false);
            cost.locate(kIdCost, key);
        }
        struct Restore {
            data::Dataset& cost;
            bool on;
            ~Restore() {
                if (on)
                    cost.setFiltered(true);
            }
        } restore{cost, hidden && filtered};

        RefreshAreaParameters(m_dm);
        const QList<ValueRow> rows = valueRows();
        if (!WriteValueList(workingFile(kValueListFileName), rows))
            m_prompter.error(
                QStringLiteral("Не вдалося записати файл %1").arg(workingFile(kValueListFileName)));
        QStringList values;
        for (int i = 0; i < kExtraFieldCount; ++i)
            values << rows.value(i).value;
        StoreExtraFields(m_dm, values);

        core::IniFile ini(core::iniPath(m_dm.workingFolder()));
        ini.writeInteger(core::ini_keys::kOrganisation, core::ini_keys::kParamListHeight,
                         m_valueList->height());

        m_dm.commitVelta();
        if (cost.value(kIdCost) != key)
            cost.locate(kIdCost, key);
    } catch (const std::exception& e) {
        m_prompter.error(QString::fromUtf8(e.what()));
        return;
    }
    finishOk();
}

void TNewCost::bCancelClick() {
    finishCancel();
}

void TNewCost::cancelled() {
    data::Dataset& cost = m_dm.TbCost();
    if (cost.state() == data::Dataset::State::Insert || cost.state() == data::Dataset::State::Edit)
        cost.cancel();
}

} // namespace velta::estimates
