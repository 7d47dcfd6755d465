#pragma once

#include <string>

namespace korval {

// Why the defaults profile at path cannot be used, in words for the user; empty when it
// can. Every new document takes its constants and tables from this file, so a file that is
// missing, not a regular file, unreadable, empty, or that lacks the COCOMO mode constants,
// the cost drivers, the languages or the application types would give documents of zero
// constants and empty tables without a word.
std::string DefaultsProfileProblem(const std::string& path);

}  // namespace korval
