-- Tavelle's class database: what the server's superuser makes once, before the application's owner
-- prepares the database from its own machine (« tavelle --base … --preparer-base »):
--
--     sudo -u postgres psql -f server-roles.sql
--     sudo -u postgres psql -c "\password tavelle_admin"
--
-- Another database or owner: psql -v base=… -v proprietaire=…  Run again, it makes only what is missing,
-- and takes back from the owner any right it must not hold. Passwords are never set here: \password asks
-- for them, and no shell history keeps them.
\set ON_ERROR_STOP on
\if :{?base}
\else
\set base tavelle
\endif
\if :{?proprietaire}
\else
\set proprietaire tavelle_admin
\endif

-- The trainees' and the instructors' group roles; each person's own account is made a member of one.
SELECT format('CREATE ROLE %I NOLOGIN', role)
FROM unnest(ARRAY['tavelle_stagiaire', 'tavelle_formateur']) AS role
WHERE NOT EXISTS (SELECT FROM pg_roles WHERE rolname = role) \gexec

-- The application's owner: it owns the database and the table of attempts, and nothing else. With
-- CREATEROLE an account can grant itself pg_execute_server_program and run commands on the server.
SELECT format('CREATE ROLE %I LOGIN', :'proprietaire')
WHERE NOT EXISTS (SELECT FROM pg_roles WHERE rolname = :'proprietaire') \gexec
SELECT format('ALTER ROLE %I NOSUPERUSER NOCREATEROLE NOCREATEDB NOBYPASSRLS NOREPLICATION', :'proprietaire') \gexec

SELECT format('CREATE DATABASE %I OWNER %I', :'base', :'proprietaire')
WHERE NOT EXISTS (SELECT FROM pg_database WHERE datname = :'base') \gexec
-- A database made before under another owner is left as it is: what it holds may be that owner's.
SELECT pg_get_userbyid(datdba) <> :'proprietaire' AS other_owner FROM pg_database WHERE datname = :'base' \gset
\if :other_owner
\echo 'Attention : la base' :"base" 'existe déjà et appartient à un autre compte que' :"proprietaire" ';'
\echo 'elle est laissée telle quelle (ALTER DATABASE … OWNER TO … la donnerait au propriétaire).'
\endif
