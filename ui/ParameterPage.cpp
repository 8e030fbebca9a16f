#include "ui/ParameterPage.h"

#include "ui_Main.h"

#include "model/Q47.h"
#include "platform/framework/Convert.h"
#include "platform/framework/Exceptions.h"
#include "ui/TextFit.h"

#include <QLineEdit>

TParameterPage::TParameterPage(Ui::TMainForm& ui, QObject* parent) : QObject(parent), ui(ui) {
    // The fields' labels and panels are drawn at least as wide as the English texts need;
    // a longer translation widens them.
    KeepContentsWhole(ui.Q47Page);
    ui.Q47ModeButtons->setId(ui.Q47ModeSamples, 0);
    ui.Q47ModeButtons->setId(ui.Q47ModeContinuous, 1);
    connect(ui.Q47ModeButtons, &QButtonGroup::idClicked, this, [this] { Q47ModeClick(); });
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
    const int item = model.VarMode == 1 ? 1 : model.VarMode == 3 ? 2 : 0;
    if (ui.Q47VarMode->currentIndex() != item)
        ui.Q47VarMode->setCurrentIndex(item);
}

TParameterPage::TRefusal TParameterPage::PageToModel(TQ47& model) {
    QWidget* field = ui.Q47Mode;
    try {
        const int mode = ui.Q47ModeButtons->checkedId();
        field = mode == 1 ? ui.Q47ModeContinuous : ui.Q47ModeSamples;
        if (mode == 0) {
            model.Continuous = false;
            field = ui.Q47SamplesCount;
            model.SetSamplesCount(StrToInt(ui.Q47SamplesCount->text()));
        } else if (mode == 1) {
            // The samples count is not used in continuous mode and is left as it is.
            model.Continuous = true;
        }
        field = ui.Q47PrePurge;
        model.SetPrePurge(StrToInt(ui.Q47PrePurge->text()));
        field = ui.Q47PostPurge;
        model.SetPostPurge(StrToInt(ui.Q47PostPurge->text()));
        field = ui.Q47VarMode;
        switch (ui.Q47VarMode->currentIndex()) {
        case 0:
            model.SetVarMode(0);
            break;
        case 1:
            model.SetVarMode(1);
            break;
        case 2:
            model.SetVarMode(3);
            break;
        default:
            throw Exception(ErrorSwitchFile("Main", __LINE__));
        }
        int seconds = 0;
        field = ui.Q47DeadTime;
        if (!TimeTextToSeconds(ui.Q47DeadTime->text(), seconds))
            throw EConvertError(QString());
        model.SetDeadTime(seconds);
        SetText(ui.Q47DeadTime, SecondsToText(seconds));
        field = ui.Q47PurgesCount;
        model.SetPurgesCount(StrToInt(ui.Q47PurgesCount->text()));
        field = ui.Q47SamplingInterval;
        if (!TimeTextToSeconds(ui.Q47SamplingInterval->text(), seconds))
            throw EConvertError(QString());
        model.SetSamplingInterval(seconds);
        SetText(ui.Q47SamplingInterval, SecondsToText(seconds));
        field = ui.Q47Aeration;
        model.SetAeration(StrToInt(ui.Q47Aeration->text()));
        field = ui.Q47MaxSuctionTime;
        model.SetMaxSuctionTime(StrToInt(ui.Q47MaxSuctionTime->text()));
        field = ui.Q47AccuWarning;
        model.SetAccuWarning(StrToFloat(ui.Q47AccuWarning->text()));
        field = ui.Q47AccuOff;
        model.SetAccuOff(StrToFloat(ui.Q47AccuOff->text()));
        return {};
    } catch (const EConvertError&) {
        return {TRefusal::TKind::Format, field};
    } catch (const ERangeError&) {
        return {TRefusal::TKind::Range, field};
    }
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
