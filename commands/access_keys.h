#pragma once
// Automatic access keys for the shown items of a menu, in menu order: an
// item without "&" takes a free character of its own caption from
// "1234567890A..Z"; on a double-byte code page the items still without one
// get "(&K)" appended, K taken from the end of that list in reverse order.
#include <string>
#include <vector>

#include "base/text.h"

void assignAccessKeys(std::vector<std::string>& captions, const LeadBytes& lead);
