// The contents of file objects: one base64 text per object, deleted with it.
#include "Store.h"

namespace server {

std::optional<std::string> Store::Content(int64_t objectId) {
    Statement& s = db_->Prepare("SELECT content FROM file_contents WHERE object_id = ?");
    s.Bind(1, objectId);
    if (!s.Step()) return std::nullopt;
    std::string content = s.Text(0);
    s.Reset();
    return content;
}

void Store::SetContent(int64_t objectId, const std::string& base64Text) {
    db_->Prepare("INSERT INTO file_contents(object_id, content) VALUES(?, ?) "
                 "ON CONFLICT(object_id) DO UPDATE SET content = excluded.content")
        .Bind(1, objectId).Bind(2, base64Text).Run();
}

}  // namespace server
