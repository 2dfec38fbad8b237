#include "lsp/json_rpc.h"

namespace corvane::jsonrpc {

Json Response(const Json& id, Json result) {
    return Json{{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(result)}};
}

Json ErrorResponse(const Json& id, int code, std::string message) {
    return Json{{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", code}, {"message", std::move(message)}}}};
}

Json Notification(std::string_view method, Json params) {
    return Json{{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}};
}

const Json& Member(const Json& object, std::string_view key) {
    if (!object.is_object()) throw InvalidParams("expected an object holding \"" + std::string(key) + "\"");
    const auto found = object.find(key);
    if (found == object.end()) throw InvalidParams("\"" + std::string(key) + "\" is missing");
    return *found;
}

const std::string& StringMember(const Json& object, std::string_view key) {
    const Json& value = Member(object, key);
    if (!value.is_string()) throw InvalidParams("\"" + std::string(key) + "\" is not a string");
    return value.get_ref<const std::string&>();
}

std::size_t UnsignedMember(const Json& object, std::string_view key) {
    const Json& value = Member(object, key);
    if (!value.is_number_unsigned()) throw InvalidParams("\"" + std::string(key) + "\" is not a number from 0 up");
    return value.get<std::size_t>();
}

bool NestsDeeperThan(std::string_view body, std::size_t limit) {
    std::size_t depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (inString) {
            if (c == '\\') {
                ++i;  // the escaped character, a quote too
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > limit) return true;
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return false;
}

const std::string& DocumentUri(const Json& params) { return StringMember(Member(params, "textDocument"), "uri"); }

LinePosition PositionParam(const Json& params) { return PositionValue(Member(params, "position")); }

LinePosition PositionValue(const Json& position) {
    return {UnsignedMember(position, "line"), UnsignedMember(position, "character")};
}

}  // namespace corvane::jsonrpc
