#pragma once
// The end of the desktop session (logout, shutdown) as the session manager announces it.
#include <functional>

class QObject;

namespace zelto {

// `settle` is run when the session manager asks the program to commit its data. It gets a
// function that asks the session manager whether the user may be asked something (call it
// only when there is something to ask), and returns whether the session may end; false
// cancels the logout where the session manager allows that.
using SessionSettler = std::function<bool(const std::function<bool()>& mayAsk)>;
void ConnectSessionEnd(QObject* context, SessionSettler settle);

}  // namespace zelto
