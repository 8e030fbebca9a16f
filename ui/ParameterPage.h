// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <string_view>

class QLineEdit;
class QWidget;
class TQ47;
struct TQ47Parameter;

namespace Ui {
class TMainForm;
}

// The parameter page: copies a parameter set into its fields and back, tells of every change
// the user makes, and shows under the fields when the sampler will take its samples.
class TParameterPage : public QObject {
    Q_OBJECT

public:
    explicit TParameterPage(Ui::TMainForm& ui, QObject* parent = nullptr);

    // Fills every field from the model; only fields whose text differs are written.
    void ModelToPage(const TQ47& model);

    // Why the page could not be stored: a text that is not a number or time, or a value the
    // model refused (its LastError then says so). Field is the refused control, Caption its
    // caption as the page shows it ("Samples Count") and Accepted what it takes ("1..255").
    struct TRefusal {
        enum class TKind { None, Format, Range } Kind = TKind::None;
        QWidget* Field = nullptr;
        QString Caption;
        QString Accepted;
        explicit operator bool() const { return Kind != TKind::None; }
    };
    // Converts and stores every field into the model in the page's tab order, up to the first
    // refused one. The fields taken show what the model stores of them: a time in its normal
    // form, a voltage on the sampler's 0.1 V grid.
    TRefusal PageToModel(TQ47& model);

    // What writing `written` over a connector that holds `held` changes, a line per parameter
    // in the page's words and units: "Samples Count: 8 → 12".
    QStringList ChangeLines(const TQ47& held, const TQ47& written) const;

    // The refused field is brought into view and given the focus, its text selected for
    // retyping.
    void FocusField(QWidget* field);
    // Brings the parameters into view, in place of the logo.
    void Show();
    void ShowLogo();

    // Another mode was chosen: the samples count is used in samples mode only.
    void Q47ModeClick();

signals:
    // The user changed a field, the mode or the VAR input's mode.
    void modified();

private:
    void Describe();
    // Shows under the fields when the sampler takes its samples with the page as it stands.
    void ShowSchedule();
    QString ScheduleText() const;
    void SetText(QLineEdit* edit, const QString& text);
    QString Unit(const QString& field) const;
    QString Caption(QWidget* field) const;
    QString Accepted(QWidget* field, std::string_view parameter) const;
    QString ValueText(const TQ47& model, const TQ47Parameter& parameter) const;
    TRefusal Refused(TRefusal::TKind kind, QWidget* field, std::string_view parameter) const;

    Ui::TMainForm& ui;
    bool Filling = false; // ModelToPage is at work
};
