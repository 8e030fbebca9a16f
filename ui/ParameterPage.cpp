// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ParameterPage.h"

#include "ui_Main.h"

#include "model/Q47.h"
#include "model/Q47Differences.h"
#include "model/Q47Parameters.h"
#include "model/Q47Validation.h"
#include "platform/framework/Convert.h"
#include "platform/framework/Exceptions.h"
#include "sheet/ParameterSheet.h"
#include "ui/Accessibility.h"
#include "ui/AccessibleNames.h"
#include "ui/TextFit.h"

#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The VAR input's modes as words that never break at the window's edge: "(4 - 20mA)" would
// otherwise end a line with "(4 -". Spaces that do not break, a joiner after the dash.
QString WithModesWhole(QString text) {
    for (const TQ47Choice& choice : FindQ47Parameter("VarMode")->Choices) {
        const QString name = QLatin1String(choice.Name);
        QString whole = name;
        whole.replace(QLatin1Char(' '), QChar(QChar::Nbsp))
            .replace(QLatin1Char('-'), QStringLiteral("-\u2060"));
        text.replace(name, whole);
    }
    return text;
}

} // namespace

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
    connect(this, &TParameterPage::modified, this, &TParameterPage::ShowSchedule);
    //: Parameter page: the name a screen reader gives the sentence under the fields that says
    //: when the sampler takes its samples (the parameter sheet's schedule). Not shown.
    ui.Schedule->setAccessibleName(tr("Schedule"));
    Describe();
}

// Each field's tool tip says what it means and what it takes, the range in the very words of a
// refusal; a screen reader hears the same words as the field's description.
void TParameterPage::Describe() {
    const struct {
        QWidget* Field;
        const char* Parameter; // whose range the field takes; none for the mode buttons and
                               // the pump pulses, which are only shown
        QString Meaning;
    } fields[] = {
        //: Tool tip of the sampling mode "Acc. to Samples Count" on the parameter page.
        {ui.Q47ModeSamples, nullptr, tr("The sampling run ends after a set number of samples")},
        //: Tool tip of the sampling mode "Continuous" on the parameter page.
        {ui.Q47ModeContinuous, nullptr, tr("The sampler keeps taking samples until it is stopped")},
        //: Tool tip of Samples Count, before its range ": 1..255".
        {ui.Q47SamplesCount, "SamplesCount", tr("Number of samples in a run")},
        //: Tool tip of Purging time, Before Sampling, before its range ": 1..240 s". Purging:
        //: air blown back through the suction line (see translations/TERMS.md).
        {ui.Q47PrePurge, "PrePurge", tr("Time the suction line is purged before each sample")},
        //: Tool tip of Purging time, After Sampling, before its range ": 1..240 s".
        {ui.Q47PostPurge, "PostPurge", tr("Time the suction line is purged after each sample")},
        //: Tool tip of the VAR System's Mode, before its items ": Disabled, 0 - 20mA, 4 - 20mA".
        //: "VAR" stays as it is.
        {ui.Q47VarMode, "VarMode",
         tr("How the VAR input, an outside mA signal that controls sampling, is used")},
        //: Tool tip of Time Delay, before its range ": 00:00:00..15:00:00 (hh:mm:ss)".
        {ui.Q47DeadTime, "DeadTime",
         tr("Time the sampler waits after its start before the first sample")},
        //: Tool tip of Purges Count, before its range ": 0..5".
        {ui.Q47PurgesCount, "PurgesCount", tr("How many times the suction line is purged")},
        //: Tool tip of Sampling Interval, before its range ": 00:00:01..15:00:00 (hh:mm:ss)".
        {ui.Q47SamplingInterval, "SamplingInterval", tr("Time from one sample to the next")},
        //: Tool tip of Aeration, before its range ": 0..255 s".
        {ui.Q47Aeration, "Aeration", tr("Aeration time")},
        //: Tool tip of Max Suction Time, before its range ": 0..255 s".
        {ui.Q47MaxSuctionTime, "MaxSuctionTime",
         tr("Longest time the pump may try to draw one sample")},
        //: Tool tip of the Pump Pulses field, which cannot be edited.
        {ui.Q47PumpPulses, nullptr,
         tr("Pump pulses the sampler counted for one sample; shown only")},
        //: Tool tip of Voltage control, Warning at, before its range ": 0.6..15.6 V".
        {ui.Q47AccuWarning, "AccuWarning", tr("Battery voltage at which the sampler warns")},
        //: Tool tip of Voltage control, Switch off at, before its range ": 0.6..15.6 V".
        {ui.Q47AccuOff, "AccuOff", tr("Battery voltage at which the sampler switches itself off")},
    };
    for (const auto& [field, parameter, meaning] : fields) {
        QString range;
        if (parameter && FindQ47Parameter(parameter)->Kind == TParameterKind::VarMode) {
            // The list's items, as the page offers them; the model's codes mean nothing here.
            QStringList items;
            for (int item = 0; item < ui.Q47VarMode->count(); ++item)
                items << ui.Q47VarMode->itemText(item);
            range = items.join(QLatin1String(", "));
        } else if (parameter) {
            range = Accepted(field, parameter);
            // A time's range shows its form, which its unit label gives beside the field.
            const QString unit = Unit(field->objectName());
            if (FindQ47Parameter(parameter)->Kind == TParameterKind::Duration && !unit.isEmpty())
                range += QStringLiteral(" (%1)").arg(unit);
        }
        //: Tool tip of a field on the parameter page: what it means, then what it takes.
        //: %1: the meaning ("Time from one sample to the next"), %2: the range
        //: ("00:00:01..15:00:00 (hh:mm:ss)", "1..240 s") or the items of a list.
        const QString tip = range.isEmpty() ? meaning : tr("%1: %2").arg(meaning, range);
        field->setToolTip(tip);
        field->setAccessibleDescription(tip);
    }
}

// Writing an unchanged text would still count as an edit; only real changes are made.
void TParameterPage::SetText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

void TParameterPage::ModelToPage(const TQ47& model) {
    // The schedule is told once the page holds the whole set, not for each field on the way.
    Filling = true;
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
    Filling = false;
    ShowSchedule();
    // New data on the page (New, Open, Read): the keyboard starts at the first field.
    accessibility::FocusFirstField(ui.Q47Tab);
}

// The unit a field's unit label shows beside it: "[s]" gives "s"; none without a label.
QString TParameterPage::Unit(const QString& field) const {
    QString unit;
    if (const auto* label = ui.Q47Page->findChild<QLabel*>(field + QLatin1String("Unit"))) {
        unit = accessibility::CaptionText(label->text());
        if (unit.startsWith(QLatin1Char('[')) && unit.endsWith(QLatin1Char(']')))
            unit = unit.mid(1, unit.size() - 2).trimmed();
    }
    return unit;
}

// A field's caption as the page shows it, without its Alt letter and colon: "Time Delay".
QString TParameterPage::Caption(QWidget* field) const {
    const auto* caption =
        ui.Q47Page->findChild<QLabel*>(field->objectName() + QLatin1String("Label"));
    return caption ? accessibility::CaptionText(caption->text()) : field->accessibleName();
}

// What a field's parameter accepts, from the model's table, in the page's own forms:
// hh:mm:ss, the locale's decimal separator, the unit of the field's unit label.
QString TParameterPage::Accepted(QWidget* field, std::string_view parameter) const {
    QString unit = Unit(field->objectName());
    const TQ47Parameter& taken = *FindQ47Parameter(parameter);
    QString accepted;
    switch (taken.Kind) {
    case TParameterKind::Duration:
        accepted = SecondsToText(taken.Low) + QLatin1String("..") + SecondsToText(taken.High);
        unit.clear(); // the form says it
        break;
    case TParameterKind::Volts:
        // The voltages of the lowest and the highest code.
        accepted = FloatToStrFixed(TQ47::CodeToVolts(static_cast<std::uint8_t>(taken.Low)), 1) +
                   QLatin1String("..") +
                   FloatToStrFixed(TQ47::CodeToVolts(static_cast<std::uint8_t>(taken.High)), 1);
        break;
    default:
        accepted = QStringLiteral("%1..%2").arg(taken.Low).arg(taken.High);
        break;
    }
    if (!unit.isEmpty())
        accepted += QLatin1Char(' ') + unit;
    return accepted;
}

// A value as its field shows it, with the unit its unit label gives.
QString TParameterPage::ValueText(const TQ47& model, const TQ47Parameter& parameter) const {
    const QString unit = Unit(QStringLiteral("Q47") + QLatin1String(parameter.Name));
    QString text;
    switch (parameter.Kind) {
    case TParameterKind::Duration:
        return SecondsToText(model.*parameter.Value); // the form says the unit
    case TParameterKind::Volts:
        text = FloatToStrFixed(model.*parameter.Volts, 1);
        break;
    case TParameterKind::Mode:
        return accessibility::CaptionText(
            (model.Continuous ? ui.Q47ModeContinuous : ui.Q47ModeSamples)->text());
    case TParameterKind::Samples:
        if (model.Continuous) // no count is kept
            return QStringLiteral("\u2013");
        text = QString::number(model.SamplesCount);
        break;
    case TParameterKind::VarMode: {
        const int item = Q47VarModeItem(model.VarMode);
        text = ui.Q47VarMode->itemText(item);
        // A code without an item of its own shows as the first item; its number tells it.
        if (Q47VarModeCode(item) != model.VarMode)
            text += QStringLiteral(" (%1)").arg(model.VarMode);
        return text;
    }
    default:
        text = QString::number(model.*parameter.Value);
        break;
    }
    return unit.isEmpty() ? text : text + QLatin1Char(' ') + unit;
}

QStringList TParameterPage::ChangeLines(const TQ47& held, const TQ47& written) const {
    QStringList lines;
    for (const TQ47Parameter* parameter : Q47Differences(held, written)) {
        const QString name = QStringLiteral("Q47") + QLatin1String(parameter->Name);
        QString caption;
        if (parameter->Kind == TParameterKind::Mode)
            caption = accessibility::CaptionText(ui.Q47Mode->title());
        else if (const auto* label = ui.Q47Page->findChild<QLabel*>(name + QLatin1String("Label")))
            caption = accessibility::CaptionText(label->text());
        else
            caption = QLatin1String(parameter->Name);
        // The VAR input's "Mode" is told apart from the sampling mode by its panel's heading.
        if (parameter->Kind == TParameterKind::VarMode)
            caption =
                accessibility::CaptionText(ui.VarHeading->text()) + QLatin1Char(' ') + caption;
        lines << QStringLiteral("%1: %2 \u2192 %3")
                     .arg(caption, ValueText(held, *parameter), ValueText(written, *parameter));
    }
    return lines;
}

// A refusal names the field by its caption and says what its parameter accepts.
TParameterPage::TRefusal TParameterPage::Refused(TRefusal::TKind kind, QWidget* field,
                                                 std::string_view parameter) const {
    return {kind, field, Caption(field), Accepted(field, parameter)};
}

// The fields the schedule is drawn from, read as PageToModel reads them, into a set of the
// page's own: the data set is neither changed nor marked modified by a sentence.
QString TParameterPage::ScheduleText() const {
    TQ47 set;
    const int mode = ui.Q47ModeButtons->checkedId();
    set.Continuous = mode == 1;
    // A field half typed ("00:1") or not a number yet names itself, rather than a schedule
    // from a value nobody meant; the other fields do not bear on the schedule.
    const auto incomplete = [this](QWidget* field) {
        //: Parameter page, in place of the schedule under the fields while a field it is drawn
        //: from does not hold a whole number or time yet (being typed). %1: the field's caption
        //: ("Time Delay", "Sampling Interval", "Samples Count").
        return tr("No schedule yet: %1 is not complete.").arg(Caption(field));
    };
    if (mode == 0) {
        try {
            set.SamplesCount = StrToInt(ui.Q47SamplesCount->text());
        } catch (const EConvertError&) {
            return incomplete(ui.Q47SamplesCount);
        }
    }
    if (!TimeTextToSeconds(ui.Q47DeadTime->text(), set.DeadTime))
        return incomplete(ui.Q47DeadTime);
    if (!TimeTextToSeconds(ui.Q47SamplingInterval->text(), set.SamplingInterval))
        return incomplete(ui.Q47SamplingInterval);
    set.VarMode = Q47VarModeCode(ui.Q47VarMode->currentIndex()).value_or(0);
    return TParameterSheet::ScheduleOf(set);
}

// The sentence is also the description, which a screen reader reads after the name; Qt tells
// the accessibility layer of each new one.
void TParameterPage::ShowSchedule() {
    if (Filling)
        return;
    const QString text = ScheduleText();
    if (ui.Schedule->accessibleDescription() == text)
        return;
    ui.Schedule->setText(WithModesWhole(text));
    ui.Schedule->setAccessibleDescription(text);
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
    // The fields taken before the first refused one show what is stored: times in their normal
    // form, voltages on the 0.1 V grid of the sampler's codes ("11.05" is stored as 11.1).
    const auto taken = [&](QWidget* field, QWidget* refused) {
        const auto at = std::find(fields.begin(), fields.end(), field);
        return at != fields.end() && at < std::find(fields.begin(), fields.end(), refused);
    };
    const auto normalizeBefore = [&](QWidget* refused) {
        for (QLineEdit* field : {ui.Q47DeadTime, ui.Q47SamplingInterval})
            if (taken(field, refused))
                SetText(field, SecondsToText(time(field)));
        for (QLineEdit* field : {ui.Q47AccuWarning, ui.Q47AccuOff})
            if (taken(field, refused))
                SetText(field,
                        FloatToStrFixed(
                            TQ47::CodeToVolts(TQ47::VoltsToCode(StrToFloat(field->text()))), 1));
    };
    const auto range = [&](const TQ47Parameter* refused) {
        QWidget* field = fieldOf(refused);
        normalizeBefore(field);
        return Refused(TRefusal::TKind::Range, field, refused->Name);
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
            throw Exception(ErrorSwitchFile());
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
        const std::string_view parameter = order.back();
        order.pop_back();
        if (const TQ47Parameter* refused = TakeParameterSet(model, set, order))
            return range(refused);
        normalizeBefore(unreadable);
        return Refused(TRefusal::TKind::Format, unreadable, parameter);
    }
    if (const TQ47Parameter* refused = TakeParameterSet(model, set, order))
        return range(refused);
    normalizeBefore(nullptr);
    // Continuous mode keeps the model's samples count: the greyed field shows that one, as the
    // file, the connector and the sheet hold it, not a number typed before the mode changed.
    if (model.Continuous)
        SetText(ui.Q47SamplesCount, QString::number(model.SamplesCount));
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
