#include "settings/table_list.h"

#include <string>
#include <unordered_set>
#include <vector>

namespace pelorix {

void fillListFromTable(ComboBox& list, TableHandle& table, std::string_view field) {
    std::vector<std::string> values;
    std::unordered_set<std::string> listed;
    for (table.first(); !table.eof(); table.next()) {
        std::string value = table.fieldText(field);
        if (listed.insert(value).second) values.push_back(std::move(value));
    }
    if (values != list.items()) list.setItems(std::move(values));
}

} // namespace pelorix
