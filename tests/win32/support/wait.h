#pragma once
// Bounded waiting. Every wait in a test ends: when its condition holds or
// when its time is up. While waiting, the calling thread's own windows keep
// receiving their messages.
#include <windows.h>

#include <functional>

// The Explorer-style save dialog takes several seconds to open under Wine.
constexpr DWORD kDialogTimeoutMs = 30000;

// Dispatches the calling thread's pending messages.
void pumpPendingMessages();

// Polls the condition until it holds (true) or the timeout passes (false),
// letting pump deliver the thread's messages between polls.
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs,
               const std::function<void()>& pump = pumpPendingMessages);

// Lets the calling thread's windows process their messages for a while.
void pumpMessagesFor(DWORD ms);
