-- Neovim's own language client against `corvane-script lsp`, set up by the README's recipe: opens
-- two scripts of one folder (one server for both), waits for the first one's diagnostics, asks
-- for completion after "DO " and for formatting, and writes what it got.
vim.g.corvane_script_command = os.getenv('CORVANE_SCRIPT')
-- The server's exit status, seen through every client the recipe starts.
local server_exit = 'none'
local start_client = vim.lsp.start_client
vim.lsp.start_client = function(config)
  config.on_exit = function(code) server_exit = tostring(code) end
  return start_client(config)
end
dofile(os.getenv('CORVANE_RECIPE'))
local script = os.getenv('CORVANE_SCRIPT_FILE')
local lines = {}
local function report(line) table.insert(lines, line) end

vim.cmd('edit ' .. vim.fn.fnameescape(script))
local buf = vim.api.nvim_get_current_buf()
vim.cmd('edit ' .. vim.fn.fnameescape(os.getenv('CORVANE_SECOND_FILE')))
local second = vim.api.nvim_get_current_buf()
vim.cmd('buffer ' .. buf)
-- A client counts as active once the server answered initialize.
vim.wait(20000, function() return #vim.lsp.get_active_clients() > 0 end, 20)
local clients = vim.lsp.get_active_clients()
local attached = 0
for _, b in ipairs({ buf, second }) do
  if clients[1] and vim.lsp.buf_is_attached(b, clients[1].id) then attached = attached + 1 end
end
report(string.format('clients %d attached %d', #clients, attached))
local client = clients[1]

vim.wait(20000, function() return #vim.diagnostic.get(buf) > 0 end, 20)
for _, d in ipairs(vim.diagnostic.get(buf)) do
  report(string.format('diagnostic %d:%d-%d:%d %d %s', d.lnum + 1, d.col + 1, d.end_lnum + 1, d.end_col + 1,
                       d.severity, d.message))
end

-- Line 3 is "\tDO STATE_FETCH_WOD ON": the caret right after "DO ".
local params = { textDocument = { uri = vim.uri_from_bufnr(buf) }, position = { line = 2, character = 4 } }
local answer = client.request_sync('textDocument/completion', params, 10000, buf)
local items = answer and answer.result and (answer.result.items or answer.result) or {}
local commands, wood = 0, 'no'
for _, item in ipairs(items) do
  if item.kind == vim.lsp.protocol.CompletionItemKind.Function then commands = commands + 1 end
  if item.label == 'STATE_FETCH_WOOD' then wood = 'yes' end
end
report(string.format('completion %d commands %d STATE_FETCH_WOOD %s', #items, commands, wood))

local formatting = { textDocument = { uri = vim.uri_from_bufnr(buf) }, options = { tabSize = 8, insertSpaces = false } }
answer = client.request_sync('textDocument/formatting', formatting, 10000, buf)
if answer and answer.result then vim.lsp.util.apply_text_edits(answer.result, buf, client.offset_encoding) end
report('formatted')
for _, line in ipairs(vim.api.nvim_buf_get_lines(buf, 0, -1, false)) do report(line) end

client.stop()
vim.wait(10000, function() return server_exit ~= 'none' end, 20)
table.insert(lines, 1, 'server exit ' .. server_exit)
vim.fn.writefile(lines, os.getenv('CORVANE_RESULT'))
vim.cmd('qall!')
