#include "app/SessionEnd.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace zelto {

void ConnectSessionEnd(QObject* context, SessionSettler settle) {
#if QT_CONFIG(sessionmanager)
  QObject::connect(
      qGuiApp, &QGuiApplication::commitDataRequest, context,
      [settle = std::move(settle)](QSessionManager& manager) {
        bool interacting = false;
        const bool mayEnd = settle([&manager, &interacting] {
          interacting = manager.allowsInteraction();
          return interacting;
        });
        if (!mayEnd)
          manager.cancel();
        else if (interacting)
          manager.release();
      },
      Qt::DirectConnection);
#else
  (void)context;
  (void)settle;
#endif
}

}  // namespace zelto
