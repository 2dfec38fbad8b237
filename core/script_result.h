#pragma once
// What the compiler and the loader hand back: the script, or an error value that says what went
// wrong and where.

#include <utility>

namespace corvane {

template <typename Script, typename Error>
class ScriptResult {
public:
    static ScriptResult Success(Script script) {
        ScriptResult result;
        result.ok_ = true;
        result.script_ = std::move(script);
        return result;
    }
    static ScriptResult Failure(Error error) {
        ScriptResult result;
        result.error_ = std::move(error);
        return result;
    }

    bool ok() const { return ok_; }
    const Script& script() const { return script_; }  // when ok()
    const Error& error() const { return error_; }     // when !ok()

private:
    bool ok_ = false;
    Script script_;
    Error error_;
};

}  // namespace corvane
