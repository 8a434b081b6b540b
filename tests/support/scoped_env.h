// An environment variable set (or removed) for one scope and put back as it was after it, so
// that a test changing the environment leaves none of it to the tests after it.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

class Scoped_Env {
public:
    // value nullptr: the variable is removed for the scope.
    Scoped_Env(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~Scoped_Env() {
        if (old_)
            ::setenv(name_.c_str(), old_->c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }
    Scoped_Env(const Scoped_Env&) = delete;
    Scoped_Env& operator=(const Scoped_Env&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};
