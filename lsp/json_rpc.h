#pragma once
// JSON-RPC 2.0 messages as the language server protocol uses them, and reading the parameters
// of a request. A parameter that is missing or of the wrong type throws InvalidParams, which the
// server turns into an error answer; nothing of it leaves the protocol layer.

#include <cstddef>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <string_view>

#include "lsp/document_text.h"

namespace corvane::jsonrpc {

using Json = nlohmann::json;

inline constexpr int kParseError = -32700;
inline constexpr int kInvalidRequest = -32600;
inline constexpr int kMethodNotFound = -32601;
inline constexpr int kInvalidParams = -32602;
inline constexpr int kServerNotInitialized = -32002;

Json Response(const Json& id, Json result);
Json ErrorResponse(const Json& id, int code, std::string message);
Json Notification(std::string_view method, Json params);

struct InvalidParams : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The member `key` of `object`; throws when `object` is no object or lacks it.
const Json& Member(const Json& object, std::string_view key);
const std::string& StringMember(const Json& object, std::string_view key);
std::size_t UnsignedMember(const Json& object, std::string_view key);

// Deeper than any message of the protocol nests; parsing and copying deeper values would recurse
// without bound.
inline constexpr std::size_t kMaxNesting = 100;

// True when `body`, read as JSON, opens more than `limit` arrays and objects inside each other.
// Brackets inside strings do not count; the text need not be valid JSON.
bool NestsDeeperThan(std::string_view body, std::size_t limit);

// params.textDocument.uri and params.position of the text document requests.
const std::string& DocumentUri(const Json& params);
LinePosition PositionParam(const Json& params);
// A protocol Position object ({"line": ..., "character": ...}).
LinePosition PositionValue(const Json& position);

}  // namespace corvane::jsonrpc
