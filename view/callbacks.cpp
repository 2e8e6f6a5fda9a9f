// The view's call upward and its do-nothing default.
#include "view/view.h"

static void no_atc_message() {}
ViewCallbacks view_calls = {no_atc_message};
void set_view_callbacks(const ViewCallbacks *callbacks)
{
    view_calls.atc_message = callbacks && callbacks->atc_message ? callbacks->atc_message : no_atc_message;
}
