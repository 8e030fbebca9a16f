#include "ui/ParameterPage.h"

#include "ui_Main.h"

#include "model/Q47.h"
#include "model/Q47Parameters.h"
#include "model/Q47Validation.h"
#include "platform/framework/Convert.h"
#include "platform/framework/Exceptions.h"
#include "ui/Accessibility.h"
#include "ui/TextFit.h"

#include <QLineEdit>
#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

TParameterPage::TParameterPage(Ui::TMainForm& ui, QObject* parent) : QObject(parent), ui(ui) {
    // The fields' labels and panels are drawn at least as wide as the English texts need;
    // a longer translation widens them.
    KeepContentsWhole(ui.Q47Page);
    ui.Q47ModeButtons->setId(ui.Q47ModeSamples, 0);
    ui.Q47ModeButtons->setId(ui.Q47ModeContinuous, 1);
    // A mode is chosen when its button becomes checked, by a click, Space or an arrow key: a
    // click on the button already checked changes nothing.
    connect(ui.Q47ModeButtons, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            Q47ModeClick();
    });
    for (QLineEdit* field : ui.Q47Page->findChildren<QLineEdit*>()) {
        // Files are dropped on the window as a whole; the fields take no drops of their own.
        field->setAcceptDrops(false);
        if (field != ui.Q47PumpPulses)
            connect(field, &QLineEdit::textChanged, this, &TParameterPage::modified);
    }
    connect(ui.Q47VarMode, &QComboBox::currentIndexChanged, this, &TParameterPage::modified);
}

// Writing an unchanged text would still count as an edit; only real changes are made.
void TParameterPage::SetText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

void TParameterPage::ModelToPage(const TQ47& model) {
    SetText(ui.Q47PumpPulses, QString::number(model.PumpPulses));
    SetText(ui.Q47DeadTime, SecondsToText(model.DeadTime));
    SetText(ui.Q47PrePurge, QString::number(model.PrePurge));
    SetText(ui.Q47Aeration, QString::number(model.Aeration));
    SetText(ui.Q47PostPurge, QString::number(model.PostPurge));
    SetText(ui.Q47SamplingInterval, SecondsToText(model.SamplingInterval));
    SetText(ui.Q47SamplesCount, QString::number(model.SamplesCount));
    if (model.Continuous)
        ui.Q47ModeContinuous->setChecked(true);
    else
        ui.Q47ModeSamples->setChecked(true);
    ui.Q47SamplesCount->setEnabled(!model.Continuous);
    ui.Q47SamplesCountLabel->setEnabled(!model.Continuous);
    SetText(ui.Q47AccuWarning, FloatToStrFixed(model.AccuWarning, 1));
    SetText(ui.Q47AccuOff, FloatToStrFixed(model.AccuOff, 1));
    SetText(ui.Q47MaxSuctionTime, QString::number(model.MaxSuctionTime));
    SetText(ui.Q47PurgesCount, QString::number(model.PurgesCount));
    // Code 2 passes the model's check but has no item of its own.
    const int item = Q47VarModeItem(model.VarMode);
    if (ui.Q47VarMode->currentIndex() != item)
        ui.Q47VarMode->setCurrentIndex(item);
    // New data on the page (New, Open, Read): the keyboard starts at the first field.
    accessibility::FocusFirstField(ui.Q47Tab);
}

// The fields are converted in tab order into a copy of the model, which the model's own check
// of a parameter set then takes as the page orders them: each accepted value is stored, the
// first refused one ends it. Where a field cannot be converted, only those before it are
// taken, so a value out of range before it is told first, as the user reads the page.
TParameterPage::TRefusal TParameterPage::PageToModel(TQ47& model) {
    TQ47 set = model;
    std::vector<std::string_view> order; // the parameters read so far
    std::vector<QWidget*> fields;        // and their fields
    const auto next = [&](QWidget* field, std::string_view parameter) {
        order.push_back(parameter);
        fields.push_back(field);
    };
    const auto time = [](QLineEdit* field) {
        int seconds = 0;
        if (!TimeTextToSeconds(field->text(), seconds))
            throw EConvertError(QString());
        return seconds;
    };
    const auto fieldOf = [&](const TQ47Parameter* parameter) {
        const auto at = std::find(order.begin(), order.end(), std::string_view(parameter->Name));
        return fields[static_cast<std::size_t>(at - order.begin())];
    };
    // Time texts read before the first refused field are shown in their normal form.
    const auto normalizeBefore = [&](QWidget* refused) {
        for (QLineEdit* field : {ui.Q47DeadTime, ui.Q47SamplingInterval}) {
            const auto at = std::find(fields.begin(), fields.end(), field);
            if (at != fields.end() && at < std::find(fields.begin(), fields.end(), refused))
                SetText(field, SecondsToText(time(field)));
        }
    };
    try {
        const int mode = ui.Q47ModeButtons->checkedId();
        if (mode == 0 || mode == 1)
            next(mode == 1 ? ui.Q47ModeContinuous : ui.Q47ModeSamples, "Continuous");
        if (mode == 0) {
            set.Continuous = false;
            next(ui.Q47SamplesCount, "SamplesCount");
            set.SamplesCount = StrToInt(ui.Q47SamplesCount->text());
        } else if (mode == 1) {
            // The samples count is not used in continuous mode and is left as it is.
            set.Continuous = true;
        }
        next(ui.Q47PrePurge, "PrePurge");
        set.PrePurge = StrToInt(ui.Q47PrePurge->text());
        next(ui.Q47PostPurge, "PostPurge");
        set.PostPurge = StrToInt(ui.Q47PostPurge->text());
        next(ui.Q47VarMode, "VarMode");
        const std::optional<int> varMode = Q47VarModeCode(ui.Q47VarMode->currentIndex());
        if (!varMode)
            throw Exception(ErrorSwitchFile("Main", __LINE__));
        set.VarMode = *varMode;
        next(ui.Q47DeadTime, "DeadTime");
        set.DeadTime = time(ui.Q47DeadTime);
        next(ui.Q47PurgesCount, "PurgesCount");
        set.PurgesCount = StrToInt(ui.Q47PurgesCount->text());
        next(ui.Q47SamplingInterval, "SamplingInterval");
        set.SamplingInterval = time(ui.Q47SamplingInterval);
        next(ui.Q47Aeration, "Aeration");
        set.Aeration = StrToInt(ui.Q47Aeration->text());
        next(ui.Q47MaxSuctionTime, "MaxSuctionTime");
        set.MaxSuctionTime = StrToInt(ui.Q47MaxSuctionTime->text());
        next(ui.Q47AccuWarning, "AccuWarning");
        set.AccuWarning = StrToFloat(ui.Q47AccuWarning->text());
        next(ui.Q47AccuOff, "AccuOff");
        set.AccuOff = StrToFloat(ui.Q47AccuOff->text());
    } catch (const EConvertError&) {
        QWidget* unreadable = fields.back();
        order.pop_back();
        if (const TQ47Parameter* refused = TakeParameterSet(model, set, order)) {
            normalizeBefore(fieldOf(refused));
            return {TRefusal::TKind::Range, fieldOf(refused)};
        }
        normalizeBefore(unreadable);
        return {TRefusal::TKind::Format, unreadable};
    }
    if (const TQ47Parameter* refused = TakeParameterSet(model, set, order)) {
        normalizeBefore(fieldOf(refused));
        return {TRefusal::TKind::Range, fieldOf(refused)};
    }
    normalizeBefore(nullptr);
    return {};
}

void TParameterPage::FocusField(QWidget* field) {
    Show();
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
}

void TParameterPage::Show() {
    ui.PageControl->setCurrentWidget(ui.Q47Tab);
}

void TParameterPage::ShowLogo() {
    ui.PageControl->setCurrentWidget(ui.EmptyTab);
}

void TParameterPage::Q47ModeClick() {
    const bool samples = ui.Q47ModeButtons->checkedId() == 0;
    ui.Q47SamplesCount->setEnabled(samples);
    ui.Q47SamplesCountLabel->setEnabled(samples);
    emit modified();
}
