#include "app/app_state.h"

CQuelAppState& GetAppState() {
    static CQuelAppState state;
    return state;
}
