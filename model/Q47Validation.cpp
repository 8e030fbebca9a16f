// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Q47Validation.h"

#include "model/Q47.h"
#include "model/Q47Parameters.h"
#include "platform/framework/Exceptions.h"

#include <vector>

namespace {

std::vector<const TQ47Parameter*> InMemberOrder() {
    std::vector<const TQ47Parameter*> parameters;
    for (const TQ47Parameter& parameter : Q47Parameters())
        parameters.push_back(&parameter);
    return parameters;
}

std::vector<const TQ47Parameter*> InOrder(std::span<const std::string_view> order) {
    std::vector<const TQ47Parameter*> parameters;
    for (const std::string_view name : order) {
        const TQ47Parameter* parameter = FindQ47Parameter(name);
        if (parameter == nullptr)
            throw Exception(ErrorOnFile());
        parameters.push_back(parameter);
    }
    return parameters;
}

const TQ47Parameter* Take(TQ47& model, const TQ47& set,
                          const std::vector<const TQ47Parameter*>& parameters) {
    for (const TQ47Parameter* parameter : parameters) {
        if (parameter->Kind == TParameterKind::Mode) {
            model.Continuous = set.Continuous;
            continue;
        }
        if (parameter->Kind == TParameterKind::Samples && set.Continuous)
            continue;
        try {
            if (parameter->Set != nullptr)
                (model.*parameter->Set)(set.*parameter->Value);
            else if (parameter->SetVolts != nullptr)
                (model.*parameter->SetVolts)(set.*parameter->Volts);
            else
                model.*parameter->Value = set.*parameter->Value; // PumpPulses
        } catch (const ERangeError&) {
            return parameter;
        }
    }
    return nullptr;
}

} // namespace

const TQ47Parameter* TakeParameterSet(TQ47& model, const TQ47& set) {
    return Take(model, set, InMemberOrder());
}

const TQ47Parameter* TakeParameterSet(TQ47& model, const TQ47& set,
                                      std::span<const std::string_view> order) {
    return Take(model, set, InOrder(order));
}

const TQ47Parameter* FirstRefusedParameter(const TQ47& set) {
    TQ47 scratch;
    return TakeParameterSet(scratch, set);
}

const TQ47Parameter* FirstRefusedParameter(const TQ47& set,
                                           std::span<const std::string_view> order) {
    TQ47 scratch;
    return TakeParameterSet(scratch, set, order);
}

bool IsConfigurationFileName(const QString& path) {
    return path.endsWith(QLatin1String(ConfigurationFileExtension.data(),
                                       static_cast<qsizetype>(ConfigurationFileExtension.size())),
                         Qt::CaseInsensitive);
}
