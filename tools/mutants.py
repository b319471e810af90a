"""The seeded single-token faults of the mutation check (tools/mutate.py): where they go and what they are.

Every file of the rules core (src/ without src/app/ and without the *_screen files, headers
included) is read in name order and cut into tokens; comments and preprocessor lines (#include,
#pragma) hold no site. Each site gives the mutants below, listed in file, line and column order:

  comparison  <  <=  >  >=  ==  !=    each moved to its neighbour: < <=, <= <, > >=, >= >, == !=, != ==
                                      (angle brackets of templates and casts are no comparison)
  arithmetic  + - * / % and += -= *= /= %=, binary only: + -, - +, * /, / *, % /
                                      (a + or / beside a string literal or std::to_string joins texts
                                      or paths, where a - or * cannot compile, so it is no site)
  constant    an integer literal n    two mutants, n - 1 and n + 1, written in the literal's own base
  statement   a whole statement on one line of a function body, dropped; not a declaration (its names
              are used later, so dropping it cannot compile), not "return value;" (dropping the last
              one leaves a function without its value, which is undefined, not a fault to detect; a
              bare "return;" and a guarded "if (...) return value;" may go), not a statement
              continued from the line before or governed by it (an if (...) on its own line)
  text        one character of a string or character literal, the middle one (a two-character escape
              such as \\n counts as one): a letter changes case, a digit goes up by one (9 to 0), a
              space becomes _, an escape becomes X, any other character # (a # becomes @). File names
              are texts like any other: reading the wrong file is a fault too.
"""

import re

CORE_FOLDERS = ("src/data", "src/lineup", "src/match", "src/season", "src/sim")

PUNCTUATORS = sorted("""
>>= <<= ->* ... :: -> ++ -- << >> <= >= == != && || += -= *= /= %= &= |= ^= .*
{ } [ ] ( ) ; : ? , . + - * / % < > = ! ~ & | ^ #
""".split(), key=len, reverse=True)

COMPARISON = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
ARITHMETIC = {"+": "-", "-": "+", "*": "/", "/": "*", "%": "/",
              "+=": "-=", "-=": "+=", "*=": "/=", "/=": "*=", "%=": "/="}
KEYWORDS = set("""
alignas alignof and asm auto bool break case catch char class const constexpr const_cast continue
decltype default delete do double dynamic_cast else enum explicit extern false float for friend goto
if inline int long mutable namespace new noexcept not nullptr operator or private protected public
register reinterpret_cast return short signed sizeof static static_assert static_cast struct switch
template this throw true try typedef typeid typename union unsigned using virtual void volatile
wchar_t while
""".split())
DECLARATION_LEADS = {"const", "constexpr", "static", "inline", "volatile", "struct", "class", "enum",
                     "typename", "thread_local"}
BUILTIN_TYPES = {"unsigned", "signed", "long", "short", "int", "char", "bool", "float", "double", "void",
                 "auto", "wchar_t"}
NOT_DROPPED = {"return", "case", "default", "using", "typedef", "static_assert", "namespace",
               "template", "public", "private", "protected", "friend", "extern", "enum", "struct",
               "class"}


class Token:
    __slots__ = ("kind", "text", "start", "end", "line", "col", "directive")

    def __init__(self, kind, text, start, line, col, directive):
        self.kind, self.text, self.start, self.end = kind, text, start, start + len(text)
        self.line, self.col, self.directive = line, col, directive


class Mutant:
    __slots__ = ("path", "line", "col", "operator", "original", "mutated", "start", "end", "replacement")

    def __init__(self, path, token, operator, mutated, replacement=None, end=None):
        self.path, self.line, self.col = path, token.line, token.col
        self.operator, self.original, self.mutated = operator, token.text, mutated
        self.start, self.end = token.start, token.end if end is None else end
        self.replacement = mutated if replacement is None else replacement

    def key(self):
        return (self.path, self.line, self.col, self.operator, self.mutated)

    def apply(self, text):
        return text[:self.start] + self.replacement + text[self.end:]

    def describe(self):
        """`file:line:col: original -> mutated`, the way a survivor is listed."""
        if self.operator == "statement":
            return f"{self.path}:{self.line}:{self.col}: statement dropped"
        return f"{self.path}:{self.line}:{self.col}: {self.original} -> {self.mutated}"


TOKEN_PATTERNS = [
    ("space", re.compile(r"[ \t\r\f\v]+")),
    ("newline", re.compile(r"\n")),
    ("comment", re.compile(r"//[^\n]*|/\*.*?\*/", re.S)),
    ("string", re.compile(r'(?:u8|[uUL])?"(?:\\.|[^"\\\n])*"')),
    ("char", re.compile(r"(?:u8|[uUL])?'(?:\\.|[^'\\\n])+'")),
    ("number", re.compile(r"\.?\d(?:[eEpP][+-]|[\w.']|)*")),
    ("ident", re.compile(r"[A-Za-z_]\w*")),
    ("continuation", re.compile(r"\\\n")),
]


def tokenize(text):
    """The significant tokens of a C++ text; those on preprocessor lines carry directive=True."""
    tokens, pos, line, line_start = [], 0, 1, 0
    in_directive, at_line_start = False, True
    while pos < len(text):
        for kind, pattern in TOKEN_PATTERNS:
            match = pattern.match(text, pos)
            if match:
                break
        else:
            kind = "punct"
            word = next((p for p in PUNCTUATORS if text.startswith(p, pos)), None)
            if word is None:
                raise ValueError(f"line {line}: cannot read {text[pos]!r}")
            match = re.compile(re.escape(word)).match(text, pos)
        word = match.group(0)
        if kind == "newline":
            in_directive, at_line_start = False, True
        elif kind not in ("space", "comment", "continuation"):
            if at_line_start and word == "#":
                in_directive = True
            tokens.append(Token(kind, word, pos, line, pos - line_start + 1, in_directive))
            at_line_start = False
        newlines = word.count("\n")
        if newlines:
            line += newlines
            line_start = pos + word.rindex("\n") + 1
        pos = match.end()
    return tokens


# ---- Which < and > are comparisons ---------------------------------------

TEMPLATE_ARGUMENT_TOKENS = {"::", ",", "*", "&"}


def template_brackets(tokens):
    """Indexes of the < > tokens that bracket template arguments (std::min<long long>, static_cast<T>)."""
    brackets = set()
    for i, tok in enumerate(tokens):
        if tok.text != "<" or i == 0 or tokens[i - 1].kind != "ident":
            continue
        depth, inside = 1, [i]
        for j in range(i + 1, len(tokens)):
            text = tokens[j].text
            if text == "<":
                depth += 1
            elif text in (">", ">>"):
                depth -= 1 if text == ">" else 2
            elif not (tokens[j].kind in ("ident", "number") or text in TEMPLATE_ARGUMENT_TOKENS):
                break
            inside.append(j)
            if depth <= 0:
                brackets.update(k for k in inside if tokens[k].text in ("<", ">", ">>"))
                break
    return brackets


def is_operand_end(tok):
    """True when `tok` can end an operand, so that an operator after it is binary."""
    if tok.kind == "ident":
        return tok.text not in KEYWORDS or tok.text == "this"
    return tok.kind in ("number", "string", "char") or tok.text in (")", "]")


def is_pointer_declarator(tokens, i):
    """`Type* name =`, `Type* name;`, `(Type* name)`: a * that makes a pointer type, not a product."""
    prev, nxt = tokens[i - 1], tokens[i + 1] if i + 1 < len(tokens) else None
    after = tokens[i + 2] if i + 2 < len(tokens) else None
    if prev.kind != "ident" or nxt is None or after is None:
        return False
    if nxt.text in (">", ")", ",", "&"):
        return True  # const_cast<Player*>, (char*), a type's last star
    return nxt.kind == "ident" and (nxt.text == "const" or after.text in ("=", ";", ",", ")", "[", "{", "("))


def joins_texts(tokens, i):
    """A + or / beside a string literal or a std::to_string joins texts or paths: no sum, no quotient."""
    neighbours = [tokens[i - 1], tokens[i + 1]]
    if i + 3 < len(tokens) and tokens[i + 1].text == "std" and tokens[i + 2].text == "::":
        neighbours.append(tokens[i + 3])
    return any(t.kind == "string" or t.text in ("to_string", "string") for t in neighbours)


# ---- Literals --------------------------------------------------------------

INTEGER = re.compile(r"(0[xX][0-9a-fA-F']+|0[0-7']*|[1-9][0-9']*)([uUlL]*)$")


def shifted_integers(text):
    """The literal's value less one and more one, written in its base; [] when not an integer."""
    match = INTEGER.match(text)
    if not match:
        return []
    digits, suffix = match.group(1).replace("'", ""), match.group(2)
    if digits[:2] in ("0x", "0X"):
        value, form = int(digits, 16), "0x{:x}"
    elif digits.startswith("0") and len(digits) > 1:
        value, form = int(digits, 8), "0{:o}"
    else:
        value, form = int(digits), "{}"
    shifted = []
    for new in (value - 1, value + 1):
        written = form.format(new) + suffix if new >= 0 else f"(-{form.format(-new)}{suffix})"
        shifted.append(written)
    return shifted


def literal_units(body):
    """The characters of a literal's body, a backslash escape counting as one."""
    return re.findall(r"\\(?:[0-7]{1,3}|x[0-9a-fA-F]+|.)|.", body, re.S)


def changed_unit(unit):
    if unit.startswith("\\"):
        return "X"
    if unit.isalpha():
        return unit.swapcase()
    if unit.isdigit():
        return str((int(unit) + 1) % 10)
    if unit == " ":
        return "_"
    return "@" if unit == "#" else "#"


def changed_literal(text):
    """The literal with its middle character changed, or None when its body is empty."""
    quote = text[-1]
    opening = text.index(quote)
    units = literal_units(text[opening + 1:-1])
    if not units:
        return None
    middle = len(units) // 2
    units[middle] = changed_unit(units[middle])
    return text[:opening + 1] + "".join(units) + quote


# ---- Statements --------------------------------------------------------------

FUNCTION_BODY_OPENERS = {")", "const", "else", "do", "try", "noexcept", "override", "mutable"}


def enclosing_function_flags(tokens):
    """For each token, whether it lies inside a function body (or a block inside one)."""
    flags, stack = [], []
    for i, tok in enumerate(tokens):
        flags.append(any(stack))
        if tok.text == "{":
            prev = tokens[i - 1].text if i > 0 else ""
            stack.append(prev in FUNCTION_BODY_OPENERS or any(stack))
        elif tok.text == "}" and stack:
            stack.pop()
    return flags


def is_declaration(line_tokens):
    """`const int x = ...;`, `std::string text;`, `Team& t = ...;`, `std::unique_ptr<A, B> f(...);`"""
    toks = [t.text for t in line_tokens]
    i = 0
    while i < len(toks) and toks[i] in DECLARATION_LEADS:
        i += 1
    if i < len(toks) and toks[i] in BUILTIN_TYPES:
        while i < len(toks) and toks[i] in BUILTIN_TYPES:
            i += 1
    elif i < len(toks) and re.match(r"[A-Za-z_]", toks[i]) and toks[i] not in KEYWORDS:
        i += 1
        while i + 1 < len(toks) and toks[i] == "::":
            i += 2
    else:
        return False
    if i < len(toks) and toks[i] == "<":
        depth = 0
        while i < len(toks):
            depth += {"<": 1, ">": -1, ">>": -2}.get(toks[i], 0)
            i += 1
            if depth <= 0:
                break
    while i < len(toks) and toks[i] in ("*", "&", "&&", "const"):
        i += 1
    return i < len(toks) and re.match(r"[A-Za-z_]\w*$", toks[i]) is not None and toks[i] not in KEYWORDS


def balanced(line_tokens):
    depth = 0
    for tok in line_tokens:
        depth += {"(": 1, "[": 1, "{": 1, ")": -1, "]": -1, "}": -1}.get(tok.text, 0)
        if depth < 0:
            return False
    return depth == 0


def starts_statement(tokens, first):
    """True when the token at index `first` opens a statement: after ; { } or a label's colon."""
    if first == 0:
        return False
    prev = tokens[first - 1]
    if prev.text in (";", "{", "}"):
        return True
    if prev.text != ":":
        return False
    label = [t for t in tokens[:first] if t.line == prev.line]
    return bool(label) and label[0].text in ("case", "default", "public", "private", "protected")


def droppable(line_tokens):
    """A whole statement that compiles without it: no declaration, no "return value;", no label."""
    lead = line_tokens[0].text
    if lead == "return":
        return [t.text for t in line_tokens] == ["return", ";"]
    return (lead not in NOT_DROPPED and lead not in (")", "}") and line_tokens[-1].text == ";"
            and balanced(line_tokens) and not is_declaration(line_tokens))


def dropped_statements(path, tokens, inside_function):
    by_line = {}
    for i, tok in enumerate(tokens):
        if not tok.directive:
            by_line.setdefault(tok.line, []).append(i)
    for indexes in by_line.values():
        first, last = indexes[0], indexes[-1]
        if (inside_function[first] and starts_statement(tokens, first)
                and droppable([tokens[i] for i in indexes])):
            yield Mutant(path, tokens[first], "statement", "", replacement="", end=tokens[last].end)


# ---- All the mutants of a file -----------------------------------------------

def file_mutants(path, text):
    tokens = tokenize(text)
    brackets = template_brackets(tokens)
    inside_function = enclosing_function_flags(tokens)
    found = []
    for i, tok in enumerate(tokens):
        if tok.directive or i == 0:
            continue
        if tok.kind == "punct" and tok.text in COMPARISON and i not in brackets:
            found.append(Mutant(path, tok, "comparison", COMPARISON[tok.text]))
        elif (tok.kind == "punct" and tok.text in ARITHMETIC and is_operand_end(tokens[i - 1])
              and not (tok.text == "*" and is_pointer_declarator(tokens, i))
              and not (tok.text in ("+", "+=", "/", "/=") and joins_texts(tokens, i))):
            found.append(Mutant(path, tok, "arithmetic", ARITHMETIC[tok.text]))
        elif tok.kind == "number":
            found.extend(Mutant(path, tok, "constant", shifted) for shifted in shifted_integers(tok.text))
        elif tok.kind in ("string", "char") and tokens[i - 1].text != "extern":
            changed = changed_literal(tok.text)
            if changed is not None:
                found.append(Mutant(path, tok, "text", changed))
    found.extend(dropped_statements(path, tokens, inside_function))
    found.sort(key=Mutant.key)
    return found


def core_files(root_files):
    """The rules core's sources among the checkout's files, in name order."""
    return sorted(f for f in root_files
                  if f.startswith(tuple(folder + "/" for folder in CORE_FOLDERS))
                  and f.endswith((".cpp", ".h")) and not re.search(r"_screen\.(cpp|h)$", f))


def all_mutants(root, files):
    mutants = []
    for path in core_files(files):
        with open(f"{root}/{path}", encoding="utf-8", newline="") as f:
            mutants.extend(file_mutants(path, f.read()))
    return mutants
