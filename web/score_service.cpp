#include "web/score_service.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrlQuery>
#include <algorithm>

#include "web/dense_places.h"
#include "web/form_fields.h"
#include "web/registration.h"
#include "web/score_json.h"
#include "web/score_page.h"
#include "web/score_store.h"

namespace {

using Status = QHttpServerResponse::StatusCode;
using Method = QHttpServerRequest::Method;

constexpr int kListLength = 100;
constexpr auto kListMaxAge = std::chrono::seconds(1);
const QString kUnavailable = "The score list cannot be reached right now. Please try again later.";

QHttpServerResponse WithCommonHeaders(QHttpServerResponse response) {
    response.setHeader("X-Content-Type-Options", "nosniff");
    response.setHeader("Cache-Control", "no-store");
    return response;
}

QHttpServerResponse Json(const QJsonObject& object, Status status) {
    return WithCommonHeaders(QHttpServerResponse(
        "application/json", QJsonDocument(object).toJson(QJsonDocument::Compact), status));
}

QHttpServerResponse JsonError(const QString& error, Status status) {
    return Json(QJsonObject{{"error", error}}, status);
}

QHttpServerResponse Html(const QByteArray& html, Status status) {
    QHttpServerResponse response("text/html; charset=utf-8", html, status);
    response.setHeader("Content-Security-Policy",
                       "default-src 'none'; style-src 'self'; form-action 'self'; "
                       "base-uri 'none'; frame-ancestors 'none'");
    response.setHeader("Referrer-Policy", "no-referrer");
    return WithCommonHeaders(std::move(response));
}

QHttpServerResponse PlainError(const QString& error, Status status) {
    return WithCommonHeaders(
        QHttpServerResponse("text/plain; charset=utf-8", error.toUtf8() + "\n", status));
}

QHttpServerResponse NotAllowed(bool api, const QByteArray& allow) {
    const QString error = "This address answers only " + QString::fromLatin1(allow) + ".";
    QHttpServerResponse response = api ? JsonError(error, Status::MethodNotAllowed)
                                       : PlainError(error, Status::MethodNotAllowed);
    response.setHeader("Allow", allow);
    return response;
}

bool HasContentType(const QHttpServerRequest& request, QByteArrayView type) {
    const QByteArray value = request.value("Content-Type").trimmed().toLower();
    return value == type || value.startsWith(type.toByteArray() + ";");
}

}  // namespace

ScoreService::ScoreService(ScoreStore& store, int rateLimitPerMinute)
    : store_(store), limiter_(rateLimitPerMinute) {}

QHttpServerResponse ScoreService::Handle(const QHttpServerRequest& request) {
    const QString path = request.url().path();
    const bool api = path.startsWith("/api/");
    if (!limiter_.Allow(request.remoteAddress(), std::chrono::steady_clock::now())) {
        const QString error = "Too many requests from your address. Please wait a moment.";
        QHttpServerResponse response = api ? JsonError(error, Status::TooManyRequests)
                                           : PlainError(error, Status::TooManyRequests);
        response.setHeader("Retry-After", QByteArray::number(limiter_.SecondsUntilNextRequest()));
        return response;
    }
    const Method method = request.method();
    if (path == "/") {
        if (method == Method::Get) {
            return ShowPage(request);
        }
        return method == Method::Post ? RegisterFromPage(request) : NotAllowed(false, "GET, POST");
    }
    if (path == "/style.css") {
        if (method != Method::Get) {
            return NotAllowed(false, "GET");
        }
        QHttpServerResponse response("text/css; charset=utf-8", ScorePageStyle());
        response.setHeader("X-Content-Type-Options", "nosniff");
        response.setHeader("Cache-Control", "max-age=3600");
        return response;
    }
    if (path == "/api/top") {
        return method == Method::Get ? ApiBest(request) : NotAllowed(true, "GET");
    }
    if (path == "/api/scores") {
        return method == Method::Post ? ApiRegister(request) : NotAllowed(true, "POST");
    }
    return api ? JsonError("There is nothing at this address.", Status::NotFound)
               : PlainError("There is nothing at this address.", Status::NotFound);
}

const std::vector<RankedScore>* ScoreService::Best() {
    const auto now = std::chrono::steady_clock::now();
    if (!best_ || now - bestReadAt_ > kListMaxAge) {
        std::optional<std::vector<StoredScore>> rows = store_.Best(kListLength);
        if (!rows) {
            best_.reset();
            return nullptr;
        }
        best_ = AssignDensePlaces(std::move(*rows));
        plainPage_ = RenderScorePage(*best_, PageMessage{});
        bestReadAt_ = now;
    }
    return &*best_;
}

std::optional<RankedScore> ScoreService::Ranked(const StoredScore& entry) {
    const std::optional<int> place = store_.PlaceOf(entry.total);
    if (!place) {
        return std::nullopt;
    }
    return RankedScore{*place, entry};
}

QHttpServerResponse ScoreService::ShowPage(const QHttpServerRequest& request) {
    const std::vector<RankedScore>* best = Best();
    if (!best) {
        return PlainError(kUnavailable, Status::ServiceUnavailable);
    }
    const QUrlQuery query = request.query();
    if (!query.hasQueryItem("registered")) {
        return Html(plainPage_, Status::Ok);
    }
    // Back from a registration: say where the score stands and mark its row.
    PageMessage message;
    bool ok = false;
    const qint64 id = query.queryItemValue("registered").toLongLong(&ok);
    const std::optional<std::optional<StoredScore>> found =
        ok ? store_.ById(id) : std::optional<std::optional<StoredScore>>(std::nullopt);
    if (ok && !found) {
        return PlainError(kUnavailable, Status::ServiceUnavailable);
    }
    if (ok && *found) {
        const std::optional<RankedScore> ranked = Ranked(**found);
        if (!ranked) {
            return PlainError(kUnavailable, Status::ServiceUnavailable);
        }
        const bool inList = std::any_of(best->begin(), best->end(), [id](const RankedScore& row) {
            return row.entry.id == id;
        });
        const QString where =
            inList ? QString("It holds place %1.").arg(ranked->place)
                   : QString("It holds place %1, outside the top 100 for now.").arg(ranked->place);
        message.notice =
            query.hasQueryItem("again")
                ? "This score code was registered before, by " + (*found)->name + ". " + where
                : "Your score of " + QString::number((*found)->total) + " is registered. " + where;
        message.highlightedId = id;
    }
    return Html(RenderScorePage(*best, message), Status::Ok);
}

QHttpServerResponse ScoreService::PageWithError(const QString& error, const QString& typedName,
                                                const QString& typedCode, Status status) {
    const std::vector<RankedScore>* best = Best();
    if (!best) {
        return PlainError(kUnavailable, Status::ServiceUnavailable);
    }
    PageMessage message;
    message.error = error;
    message.typedName = typedName;
    message.typedCode = typedCode;
    return Html(RenderScorePage(*best, message), status);
}

QHttpServerResponse ScoreService::RegisterFromPage(const QHttpServerRequest& request) {
    if (!HasContentType(request, "application/x-www-form-urlencoded")) {
        return PageWithError("The form was sent in a way this page does not read.", {}, {},
                             Status::UnsupportedMediaType);
    }
    const QHash<QByteArray, QByteArray> fields = ParseFormFields(request.body());
    const QByteArray name = fields.value("name");
    const QByteArray code = fields.value("code");
    const CheckedRegistration checked = CheckRegistration(name, code);
    if (!checked.score) {
        return PageWithError(checked.error, QString::fromUtf8(name), QString::fromUtf8(code),
                             Status::BadRequest);
    }
    const StoreOutcome outcome = store_.Register(*checked.score);
    if (outcome.kind == StoreOutcome::Kind::Failed) {
        return PageWithError(kUnavailable, checked.score->name, checked.score->code,
                             Status::ServiceUnavailable);
    }
    if (outcome.kind == StoreOutcome::Kind::Added) {
        best_.reset();
    }
    // Post/redirect/get: reloading the page that follows never sends the form again.
    QHttpServerResponse response = WithCommonHeaders(QHttpServerResponse(Status::SeeOther));
    response.setHeader("Location",
                       "/?registered=" + QByteArray::number(outcome.entry.id) +
                           (outcome.kind == StoreOutcome::Kind::AlreadyThere ? "&again=1" : "") +
                           "#score-" + QByteArray::number(outcome.entry.id));
    return response;
}

QHttpServerResponse ScoreService::ApiBest(const QHttpServerRequest& request) {
    int limit = kListLength;
    const QUrlQuery query = request.query();
    if (query.hasQueryItem("limit")) {
        bool ok = false;
        limit = query.queryItemValue("limit").toInt(&ok);
        if (!ok || limit < 1 || limit > kListLength) {
            return JsonError("limit must be a whole number from 1 to 100.", Status::BadRequest);
        }
    }
    const std::vector<RankedScore>* best = Best();
    if (!best) {
        return JsonError(kUnavailable, Status::ServiceUnavailable);
    }
    QJsonArray scores;
    for (int i = 0; i < limit && i < static_cast<int>(best->size()); ++i) {
        scores.append(ScoreToJson((*best)[i]));
    }
    return Json(QJsonObject{{"scores", scores}}, Status::Ok);
}

QHttpServerResponse ScoreService::ApiRegister(const QHttpServerRequest& request) {
    if (!HasContentType(request, "application/json")) {
        return JsonError("Send the registration as application/json.",
                         Status::UnsupportedMediaType);
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(request.body(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        return JsonError("The body is not a JSON object.", Status::BadRequest);
    }
    const QJsonObject object = document.object();
    if (!object.value("name").isString() || !object.value("code").isString()) {
        return JsonError("The body needs the texts \"name\" and \"code\".", Status::BadRequest);
    }
    const CheckedRegistration checked = CheckRegistration(object.value("name").toString().toUtf8(),
                                                          object.value("code").toString().toUtf8());
    if (!checked.score) {
        return JsonError(checked.error, Status::BadRequest);
    }
    const StoreOutcome outcome = store_.Register(*checked.score);
    if (outcome.kind == StoreOutcome::Kind::Failed) {
        return JsonError(kUnavailable, Status::ServiceUnavailable);
    }
    if (outcome.kind == StoreOutcome::Kind::Added) {
        best_.reset();
    }
    const std::optional<RankedScore> ranked = Ranked(outcome.entry);
    if (!ranked) {
        return JsonError(kUnavailable, Status::ServiceUnavailable);
    }
    // A code counts once: registering it again answers with the first registration.
    return Json(ScoreToJson(*ranked),
                outcome.kind == StoreOutcome::Kind::Added ? Status::Created : Status::Ok);
}
