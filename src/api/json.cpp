#include "api/json.h"

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace l3 {

namespace {

// One element or text run of the document, linked to its parent's children.
struct Node {
  std::string_view name;  // empty for a text run
  std::string_view text;  // text runs only
  int first = -1;
  int last = -1;
  int next = -1;
  int next_same = -1;  // the next sibling of the same name
  int last_same = -1;  // of a group's first member: its last member
  bool closed = false;
};

class Tree {
 public:
  explicit Tree(std::string_view doc) {
    nodes_.reserve(doc.size() / 16 + 2);
    nodes_.push_back(Node{});  // root
    nodes_[0].closed = true;
    std::vector<int> open{0};
    size_t i = 0;
    size_t text_start = 0;
    while (i < doc.size()) {
      const void* lt = std::memchr(doc.data() + i, '<', doc.size() - i);
      if (lt == nullptr) break;
      i = static_cast<size_t>(static_cast<const char*>(lt) - doc.data());
      size_t end = i + 1;
      bool closing = end < doc.size() && doc[end] == '/';
      if (closing) ++end;
      size_t name_start = end;
      while (end < doc.size() && doc[end] != '>' && doc[end] != '<' && doc[end] != '\n' && doc[end] != '/') ++end;
      if (end >= doc.size() || doc[end] != '>' || end == name_start) {
        ++i;  // not a tag: part of the text
        continue;
      }
      std::string_view name = doc.substr(name_start, end - name_start);
      if (closing) {
        // Closes the innermost open element of that name; a stray end tag is text.
        size_t k = open.size();
        while (k > 1 && nodes_[open[k - 1]].name != name) --k;
        if (k <= 1) {
          i = end + 1;
          continue;
        }
        add_text(open.back(), doc.substr(text_start, i - text_start));
        nodes_[open[k - 1]].closed = true;
        open.resize(k - 1);
      } else {
        add_text(open.back(), doc.substr(text_start, i - text_start));
        Node n;
        n.name = name;
        open.push_back(add(open.back(), n));
      }
      i = end + 1;
      text_start = i;
    }
    add_text(open.back(), doc.substr(text_start));
  }

  std::vector<Node>& nodes() { return nodes_; }

 private:
  int add(int parent, const Node& n) {
    int id = static_cast<int>(nodes_.size());
    nodes_.push_back(n);
    Node& p = nodes_[parent];
    if (p.last < 0) {
      p.first = id;
    } else {
      nodes_[p.last].next = id;
    }
    p.last = id;
    return id;
  }
  void add_text(int parent, std::string_view t) {
    if (t.empty()) return;
    Node n;
    n.text = t;
    add(parent, n);
  }
  std::vector<Node> nodes_;
};

bool blank(std::string_view t) {
  for (char c : t) {
    if (c != '\n' && c != ' ' && c != '\r' && c != '\t') return false;
  }
  return true;
}

// A text run without the line break that follows an opening tag and the one
// before a closing tag.
std::string_view trimmed(std::string_view t) {
  if (!t.empty() && t.front() == '\n') t.remove_prefix(1);
  if (!t.empty() && t.back() == '\n') t.remove_suffix(1);
  return t;
}

// Length of the valid UTF-8 sequence at t[i], 0 when it is not one.
size_t utf8_length(std::string_view t, size_t i) {
  auto byte = [&](size_t k) { return static_cast<uint8_t>(t[k]); };
  uint8_t c = byte(i);
  size_t n = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c <= 0xDF ? 2 : 0;
  if (c >= 0xF5) n = 0;
  if (n == 0 || i + n > t.size()) return 0;
  for (size_t k = 1; k < n; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  }
  uint8_t c1 = byte(i + 1);
  if (c == 0xE0 && c1 < 0xA0) return 0;   // overlong
  if (c == 0xED && c1 >= 0xA0) return 0;  // surrogates
  if (c == 0xF0 && c1 < 0x90) return 0;   // overlong
  if (c == 0xF4 && c1 >= 0x90) return 0;  // past U+10FFFF
  return n;
}

// True when none of the eight bytes at p is a control character, '"', '\\',
// DEL or above: the bytes JSON takes as they are.
bool plain8(const char* p) {
  uint64_t x;
  std::memcpy(&x, p, 8);
  constexpr uint64_t kOnes = 0x0101010101010101u;
  constexpr uint64_t kHigh = 0x8080808080808080u;
  auto zero_byte = [](uint64_t v) { return (v - kOnes) & ~v & kHigh; };
  const uint64_t below_space = (x - kOnes * 0x20) & ~x & kHigh;
  const uint64_t special = zero_byte(x ^ (kOnes * '"')) | zero_byte(x ^ (kOnes * '\\')) | zero_byte(x ^ (kOnes * 0x7F));
  return ((x & kHigh) | below_space | special) == 0;
}

void append_escaped(OutputText& out, std::string_view t) {
  static constexpr char kHex[] = "0123456789abcdef";
  size_t run = 0;  // start of the bytes that pass as they are
  for (size_t i = 0; i < t.size();) {
    // Eight plain bytes at a time: most text needs no escape.
    while (i + 8 <= t.size() && plain8(t.data() + i)) i += 8;
    if (i >= t.size()) break;
    uint8_t c = static_cast<uint8_t>(t[i]);
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
      ++i;
      continue;
    }
    if (c >= 0x80) {
      size_t n = utf8_length(t, i);
      if (n != 0) {
        i += n;
        continue;
      }
    }
    out.append(t.data() + run, i - run);
    if (c == '"' || c == '\\') {
      out.push('\\');
      out.push(static_cast<char>(c));
    } else if (c == '\n') {
      out.append("\\n", 2);
    } else {
      // Control characters, DEL and bytes outside UTF-8: the byte as a code point.
      char e[6] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
      out.append(e, 6);
    }
    ++i;
    run = i;
  }
  out.append(t.data() + run, t.size() - run);
}

void append_string(OutputText& out, std::string_view t) {
  out.push('"');
  append_escaped(out, t);
  out.push('"');
}

// A decimal number JSON can carry exactly; leading zeros and long digit
// strings (identities) stay text.
bool plain_number(std::string_view t) {
  size_t i = !t.empty() && t[0] == '-' ? 1 : 0;
  size_t digits = t.size() - i;
  if (digits == 0 || digits > 9) return false;
  if (t[i] == '0' && digits > 1) return false;
  for (size_t k = i; k < t.size(); ++k) {
    if (t[k] < '0' || t[k] > '9') return false;
  }
  return true;
}

bool identity_name(std::string_view name) {
  return name.find("TMSI") != std::string_view::npos || name.find("IMSI") != std::string_view::npos ||
         name.find("IMEI") != std::string_view::npos;
}

// A leaf's value: "(n)text" as a value and its text, a plain number, or text.
void append_leaf(OutputText& out, std::string_view name, std::string_view t) {
  if (t.size() >= 3 && t[0] == '(') {
    size_t close = t.find(')');
    if (close != std::string_view::npos && plain_number(t.substr(1, close - 1))) {
      out.append("{\"value\":", 9);
      out.append(t.data() + 1, close - 1);
      out.append(",\"text\":", 8);
      append_string(out, t.substr(close + 1));
      out.push('}');
      return;
    }
  }
  if (plain_number(t) && !identity_name(name)) {
    out.append(t.data(), t.size());
    return;
  }
  append_string(out, t);
}

class Writer {
 public:
  Writer(std::vector<Node>& nodes, OutputText& out) : nodes_(nodes), out_(out) { heads_.reserve(64); }

  void element(int id) {
    const Node& n = nodes_[id];
    bool has_elements = false;
    int texts = 0;
    int text_id = -1;
    for (int c = n.first; c >= 0; c = nodes_[c].next) {
      if (!nodes_[c].name.empty()) {
        has_elements = true;
      } else if (!blank(nodes_[c].text) || texts == 0) {
        ++texts;
        text_id = c;
      }
    }
    if (!has_elements && n.closed && id != 0) {
      if (texts == 0) {
        out_.append("\"\"", 2);
      } else if (texts == 1) {
        append_leaf(out_, n.name, trimmed(nodes_[text_id].text));
      } else {
        joined_text(n);
      }
      return;
    }
    members(id);
  }

 private:
  void joined_text(const Node& n) {
    out_.push('"');
    bool first = true;
    for (int c = n.first; c >= 0; c = nodes_[c].next) {
      if (blank(nodes_[c].text)) continue;
      append_escaped(out_, first ? trimmed(nodes_[c].text) : nodes_[c].text);
      first = false;
    }
    out_.push('"');
  }

  // An object of the element's children, same-named siblings as one array
  // at the place of the first; its own text under "_text"; "_open" when the
  // document ended inside it.
  void members(int id) {
    const Node& n = nodes_[id];
    // Distinct names per element are few: a linear search over the group
    // heads finds a child's group. The heads of every open element share one
    // stack, so no element allocates.
    const size_t base = heads_.size();
    bool text = false;
    for (int c = n.first; c >= 0; c = nodes_[c].next) {
      Node& child = nodes_[c];
      if (child.name.empty()) {
        text = text || !blank(child.text);
        continue;
      }
      size_t g = base;
      while (g < heads_.size() && nodes_[heads_[g]].name != child.name) ++g;
      if (g == heads_.size()) {
        heads_.push_back(c);
        child.last_same = c;
      } else {
        Node& head = nodes_[heads_[g]];
        nodes_[head.last_same].next_same = c;
        head.last_same = c;
      }
    }
    const size_t end = heads_.size();
    out_.push('{');
    bool comma = false;
    auto key = [&](std::string_view k) {
      if (comma) out_.push(',');
      comma = true;
      append_string(out_, k);
      out_.push(':');
    };
    if (text) {
      key("_text");
      joined_text(n);
    }
    for (size_t g = base; g < end; ++g) {
      const int head = heads_[g];  // heads_ grows and shrinks below: index, not reference
      key(nodes_[head].name);
      if (nodes_[head].next_same < 0) {
        element(head);
        continue;
      }
      out_.push('[');
      for (int c = head; c >= 0; c = nodes_[c].next_same) {
        if (c != head) out_.push(',');
        element(c);
      }
      out_.push(']');
    }
    heads_.resize(base);
    if (!n.closed) {
      key("_open");
      out_.append("true", 4);
    }
    out_.push('}');
  }

  std::vector<Node>& nodes_;
  OutputText& out_;
  std::vector<int> heads_;
};

}  // namespace

bool text_to_json(const char* text, size_t size, OutputText& out) noexcept {
  try {
    Tree tree(std::string_view(text, size));
    Writer(tree.nodes(), out).element(0);
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace l3
