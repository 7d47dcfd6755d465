#pragma once

#include <string>
#include <vector>

namespace korval {

// What the file's uncertainty sections hold that a load reads as "certain" or as the
// default: a three-point estimate out of order, below 0 or not a number, a trial count
// out of range. One message per problem naming the section and the key; none for a file
// without such sections. Loading stays silent; the simulate command tells the user.
std::vector<std::string> UncertaintyFileProblems(const std::string& path);

}  // namespace korval
