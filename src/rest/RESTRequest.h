#pragma once

#include "rest/RequestParameter.h"

#include <QString>

namespace nivo {

class TMemTable;

enum TRESTRequestMethod { rmPOST, rmPUT, rmGET, rmDELETE, rmPATCH };

// Sends one request to the service and loads its JSON reply into ADataSet; returns once the reply is
// loaded, raises otherwise. Runs synchronously on the calling thread (a worker, never the UI thread):
// it makes its own network manager there and waits for the reply in a local event loop, so it keeps
// no connection, cookie or header from one call to the next.
//
// - AEndPoint: the whole address, GetBaseUrl() followed by the path (MonitorApi.h).
// - AKeyAuthentication: sent in the KeyAuthentication header; the five fixed headers of
//   ConfigHeaders go with every request, encoded in the header form (PercentEncoding.h). The
//   content-type header is the only one of its kind on the wire, whatever the body.
// - AParams (may be null): for GET and DELETE, query items appended to AEndPoint ("?" or "&"), names
//   in the header form, values in the query-value form. For POST, PUT and PATCH without a body text,
//   a form body "name=value&..." with both in the header form. With a body text they go in the query.
// - ARootElement: the member of the reply's top-level object whose value becomes the rows; empty for
//   the whole reply.
// - ADataSet: filled by the rules of LoadJSONToDataSet (JSONDataSetAdapter.h).
// - AJSONBodyContent: sent as its UTF-8 bytes, untrimmed, unless it is blank (core/TextRules.h).
//
// The status code is not looked at below 500: a 4xx reply loads like any other, and redirects are
// followed first. Raises ERESTRequestError for a malformed address, no reply (host not found,
// connection refused, time-out: RESTTimeouts.h), a status of 500 or above, a body that is not JSON or
// a missing root element. Other failures of loading (EArgumentError, ...) pass through as they are.
// Nothing is retried and nothing is logged.
void ExecuteRESTRequestToDataSet(const QString &AEndPoint, TRESTRequestMethod AMethodHttp,
                                 const QString &AKeyAuthentication, const TRequestParameterList *AParams,
                                 const QString &ARootElement, TMemTable &ADataSet,
                                 const QString &AJSONBodyContent);

} // namespace nivo
