#include "printing/CupsClient.h"

#include <cups/cups.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// One connection to the print server that gives up, instead of waiting on,
// a server that does not answer in time.
class Connection {
public:
    explicit Connection(int timeoutMilliseconds) {
        http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                             timeoutMilliseconds, nullptr);
        if (http_ != nullptr) {
            httpSetTimeout(http_, timeoutMilliseconds / 1000.0, &Connection::giveUp, &timedOut_);
        } else {
            connectError_ = errno;
        }
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection() {
        if (http_ != nullptr) {
            httpClose(http_);
        }
    }

    http_t* get() const { return http_; }
    bool timedOut() const { return timedOut_; }
    int connectError() const { return connectError_; }

private:
    static int giveUp(http_t*, void* timedOut) {
        *static_cast<bool*>(timedOut) = true;
        return 0;
    }

    http_t* http_ = nullptr;
    bool timedOut_ = false;
    int connectError_ = 0;
};

void copyText(char* to, std::size_t size, const char* from) {
    std::snprintf(to, size, "%s", from != nullptr ? from : "");
}

int finish(PitwrightCupsAnswer* answer, int result, const char* detail) {
    answer->result = result;
    copyText(answer->detail, sizeof answer->detail, detail);
    return result;
}

// The answer when a call failed: the server went quiet, or it said no.
int failure(PitwrightCupsAnswer* answer, const Connection& connection, int otherwise) {
    if (connection.timedOut()) {
        return finish(answer, PITWRIGHT_CUPS_NO_ANSWER, "");
    }
    return finish(answer, otherwise, cupsLastErrorString());
}

bool connected(const Connection& connection, PitwrightCupsAnswer* answer) {
    if (connection.get() != nullptr) {
        return true;
    }
    const int error = connection.connectError();
    finish(answer, PITWRIGHT_CUPS_NO_SERVER, error != 0 ? std::strerror(error) : "");
    return false;
}

struct Destination {
    cups_dest_t* dest = nullptr;
    cups_dinfo_t* info = nullptr;
    ~Destination() {
        if (info != nullptr) {
            cupsFreeDestInfo(info);
        }
        if (dest != nullptr) {
            cupsFreeDests(1, dest);
        }
    }
};

std::string queueName(const cups_dest_t& dest) {
    std::string name = dest.name;
    if (dest.instance != nullptr) {
        name += "/";
        name += dest.instance;
    }
    return name;
}

} // namespace

extern "C" int pitwright_cups_find_default_printer(int timeoutMilliseconds,
                                                   PitwrightCupsAnswer* answer) {
    *answer = PitwrightCupsAnswer{};
    const Connection connection(timeoutMilliseconds);
    if (!connected(connection, answer)) {
        return answer->result;
    }
    Destination printer;
    printer.dest = cupsGetNamedDest(connection.get(), nullptr, nullptr);
    if (printer.dest == nullptr) {
        return failure(answer, connection, PITWRIGHT_CUPS_NO_DEFAULT);
    }
    copyText(answer->printer, sizeof answer->printer, queueName(*printer.dest).c_str());

    printer.info = cupsCopyDestInfo(connection.get(), printer.dest);
    cups_size_t paper{};
    if (printer.info != nullptr &&
        cupsGetDestMediaDefault(connection.get(), printer.dest, printer.info, 0, &paper)) {
        // CUPS gives sizes in hundredths of a millimetre.
        answer->paperWidth = paper.width / 100.0;
        answer->paperHeight = paper.length / 100.0;
        answer->marginLeft = paper.left / 100.0;
        answer->marginBottom = paper.bottom / 100.0;
        answer->marginRight = paper.right / 100.0;
        answer->marginTop = paper.top / 100.0;
    } else if (connection.timedOut()) {
        return finish(answer, PITWRIGHT_CUPS_NO_ANSWER, "");
    }
    return finish(answer, PITWRIGHT_CUPS_DONE, "");
}

extern "C" int pitwright_cups_print_pdf(const char* printer, const char* bytes, size_t size,
                                        const char* title, int timeoutMilliseconds,
                                        PitwrightCupsAnswer* answer) {
    *answer = PitwrightCupsAnswer{};
    copyText(answer->printer, sizeof answer->printer, printer);
    const Connection connection(timeoutMilliseconds);
    if (!connected(connection, answer)) {
        return answer->result;
    }

    std::string queue = printer;
    std::string instance;
    if (const std::size_t slash = queue.find('/'); slash != std::string::npos) {
        instance = queue.substr(slash + 1);
        queue.resize(slash);
    }
    Destination target;
    target.dest = cupsGetNamedDest(connection.get(), queue.c_str(),
                                   instance.empty() ? nullptr : instance.c_str());
    if (target.dest == nullptr) {
        return failure(answer, connection, PITWRIGHT_CUPS_REFUSED);
    }
    target.info = cupsCopyDestInfo(connection.get(), target.dest);
    if (target.info == nullptr && connection.timedOut()) {
        return finish(answer, PITWRIGHT_CUPS_NO_ANSWER, "");
    }

    int job = 0;
    if (cupsCreateDestJob(connection.get(), target.dest, target.info, &job, title,
                          target.dest->num_options,
                          target.dest->options) > IPP_STATUS_OK_CONFLICTING) {
        return failure(answer, connection, PITWRIGHT_CUPS_REFUSED);
    }
    const bool sent =
        cupsStartDestDocument(connection.get(), target.dest, target.info, job, title,
                              CUPS_FORMAT_PDF, 0, nullptr, 1) == HTTP_STATUS_CONTINUE &&
        cupsWriteRequestData(connection.get(), bytes, size) == HTTP_STATUS_CONTINUE;
    if (!sent || cupsFinishDestDocument(connection.get(), target.dest, target.info) >
                     IPP_STATUS_OK_CONFLICTING) {
        const int result = failure(answer, connection, PITWRIGHT_CUPS_REFUSED);
        if (!connection.timedOut()) {
            cupsCancelDestJob(connection.get(), target.dest, job); // no half job left held
        }
        return result;
    }
    return finish(answer, PITWRIGHT_CUPS_DONE, "");
}
