#include "report/report.h"

namespace l3::report {

struct SmsList::Part {};

SmsList::SmsList() = default;
SmsList::~SmsList() = default;
void SmsList::add(const Frame&) {}
Json SmsList::rows() const { return Json::array(); }
const std::vector<std::string>& SmsList::columns() {
  static const std::vector<std::string> k = {"frame"};
  return k;
}

}  // namespace l3::report
