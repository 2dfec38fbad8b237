-- Neovim 0.7 or newer: every .txt file in a folder named "ai" is a Corvane AI script, and all the
-- scripts of one folder share one `corvane-script lsp`. Put this in init.lua (or dofile() it);
-- vim.g.corvane_script_command names another program than the corvane-script on PATH.
local clients = {}  -- folder -> language client id
vim.api.nvim_create_autocmd({ 'BufRead', 'BufNewFile' }, {
  pattern = '*/ai/*.txt',
  callback = function(args)
    local folder = vim.fn.fnamemodify(vim.api.nvim_buf_get_name(args.buf), ':p:h')
    local id = clients[folder]
    if not (id and vim.lsp.get_client_by_id(id)) then
      local command = vim.g.corvane_script_command or 'corvane-script'
      id = vim.lsp.start_client({ name = 'corvane-script', cmd = { command, 'lsp' }, root_dir = folder })
      clients[folder] = id
    end
    vim.lsp.buf_attach_client(args.buf, id)
  end,
})
