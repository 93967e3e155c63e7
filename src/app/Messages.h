#pragma once
#include <string>

namespace brenvik {

class RuntimeError;

enum class MessageIcon { Information, Warning, Error };

// Message boxes and the Yes/No question. The program installs the Qt boxes; tests a recorder.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void show(MessageIcon icon, const std::string& title, const std::string& text) = 0;
    // true for Yes.
    virtual bool ask(const std::string& title, const std::string& text) = 0;
};

// The installed implementation (a silent one until something is installed).
Messages& messages();
// Installs an implementation (not owned); nullptr restores the silent one.
void setMessages(Messages* impl);

// Convenience boxes titled as given.
void showInformation(const std::string& title, const std::string& text);
void showWarning(const std::string& title, const std::string& text);
void showError(const std::string& title, const std::string& text);

// The error report every class and module uses: `owner` is the class or module name.
class ErrorReport {
public:
    explicit ErrorReport(std::string owner) : owner_(std::move(owner)) {}
    const std::string& owner() const { return owner_; }

    // A warning box with the message, titled program title / owner / procedure.
    void message(const std::string& procedure, const std::string& text) const;
    // An error box for a run-time error: description " ( " number " )",
    // titled error source / owner / procedure.
    void error(const std::string& procedure, const RuntimeError& e) const;
    // The same for any exception that escaped (std::bad_alloc and the like).
    void error(const std::string& procedure, const std::exception& e) const;
    // "Initialize Err" for a class used before its Initialize call.
    void notInitialized(const std::string& procedure) const { message(procedure, "Initialize Err"); }

private:
    std::string owner_;
};

// "a / b / c", leaving out empty trailing pieces' separators as the reports do.
std::string joinTitle(const std::string& first, const std::string& owner,
                      const std::string& procedure);

}  // namespace brenvik
