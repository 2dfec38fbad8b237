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

const std::string& DocumentUri(const Json& params) { return StringMember(Member(params, "textDocument"), "uri"); }

LinePosition PositionParam(const Json& params) {
    const Json& position = Member(params, "position");
    return {UnsignedMember(position, "line"), UnsignedMember(position, "character")};
}

}  // namespace corvane::jsonrpc
