#pragma once
// Checks a JSON value against the subset of JSON Schema that docs/report-schema.json uses:
// type, enum, pattern, required, properties, additionalProperties false, items.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <regex>
#include <string>

namespace z2k::test {

// The first place where value breaks schema ("/projects/0/result: not in enum"), or empty.
inline std::string schemaViolation(const nlohmann::ordered_json& value, const nlohmann::ordered_json& schema,
                                   const std::string& at = "") {
    const std::string type = schema.value("type", "");
    const bool typeOk = type.empty() || (type == "object" && value.is_object()) ||
                        (type == "array" && value.is_array()) || (type == "string" && value.is_string()) ||
                        (type == "integer" && value.is_number_integer()) ||
                        (type == "boolean" && value.is_boolean());
    if (!typeOk) return at + ": not " + type;
    if (schema.contains("enum") && std::find(schema["enum"].begin(), schema["enum"].end(), value) == schema["enum"].end())
        return at + ": not in enum";
    if (schema.contains("pattern") && !std::regex_match(value.get<std::string>(), std::regex(schema["pattern"].get<std::string>())))
        return at + ": does not match " + schema["pattern"].get<std::string>();
    for (const auto& name : schema.value("required", nlohmann::ordered_json::array()))
        if (!value.contains(name)) return at + ": lacks " + name.get<std::string>();
    if (value.is_object()) {
        for (const auto& [name, item] : value.items()) {
            if (!schema.contains("properties") || !schema["properties"].contains(name)) {
                if (!schema.value("additionalProperties", true)) return at + "/" + name + ": not allowed";
                continue;
            }
            if (std::string bad = schemaViolation(item, schema["properties"][name], at + "/" + name); !bad.empty()) return bad;
        }
    }
    if (value.is_array() && schema.contains("items"))
        for (std::size_t i = 0; i < value.size(); ++i)
            if (std::string bad = schemaViolation(value[i], schema["items"], at + "/" + std::to_string(i)); !bad.empty()) return bad;
    return {};
}

}  // namespace z2k::test
