#pragma once
// Bounded waiting. Every wait in a test ends: when its condition holds or
// when its time is up. While waiting, the calling thread's own windows keep
// receiving their messages.
#include <windows.h>

#include <functional>

// Polls the condition until it holds (true) or the timeout passes (false).
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// Lets the calling thread's windows process their messages for a while.
void pumpMessagesFor(DWORD ms);
