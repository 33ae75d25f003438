#pragma once
// What a step raises.
#include <string>

#include "base/failure.h"

// The message of the Failure the step raises; "(no failure)" when it runs
// through.
template <class Step>
std::string failureOf(Step&& step) {
    try {
        step();
    } catch (const Failure& failure) {
        return failure.message();
    }
    return "(no failure)";
}
