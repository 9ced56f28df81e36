#include "data/fb/client.h"

#include "core/cp1251.h"

#include <ibase.h>

namespace velta::data::fb::detail {

Firebird::IMaster* master() {
    static Firebird::IMaster* m = Firebird::fb_get_master_interface();
    return m;
}

Firebird::IUtil* util() {
    static Firebird::IUtil* u = master()->getUtilInterface();
    return u;
}

Firebird::IProvider* provider() {
    // The dispatcher picks the provider by the address: a plain file name goes
    // to the embedded engine, "host:path" to the remote one.
    static Firebird::IProvider* p = master()->getDispatcher();
    return p;
}

Error toError(const Firebird::IStatus* status) {
    char text[4096];
    util()->formatStatus(text, sizeof text, const_cast<Firebird::IStatus*>(status));
    std::vector<std::intptr_t> codes;
    const intptr_t* v = status->getErrors();
    while (v && *v != isc_arg_end) {
        const intptr_t tag = *v++;
        switch (tag) {
        case isc_arg_gds:
            codes.push_back(*v++);
            break;
        case isc_arg_cstring:
            v += 2;
            break;
        default: // string, number, interpreted, sql state, unix/win errors: one argument
            ++v;
            break;
        }
    }
    return Error(core::fromCp1251(QByteArray(text)), std::move(codes));
}

} // namespace velta::data::fb::detail
