#pragma once

// Running the command-line tool in the tests: its status and both of its outputs.

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace kvor::test {

struct CliResult {
  int status;
  std::string out;
  std::string err;
};

inline CliResult RunKvor(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int status = cli::Run(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace kvor::test
